# SPDX-License-Identifier: GPL-3.0-or-later
# Run by "cmake --install" (packaging/windows/CMakeLists.txt sets the variables before):
# installs every .qm file that the build made in a folder named "translations" anywhere in
# ZORVAN_BUILD_FOLDER (<build>/translations, beside the program, ...) into
# ZORVAN_TRANSLATIONS_DESTINATION, and for each language Qt's own translation
# (qtbase_<language>.qm, else that of the language without its country) from the first
# of ZORVAN_QT_TRANSLATIONS that has it.
set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ZORVAN_TRANSLATIONS_DESTINATION}")
file(REAL_PATH "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" installation)
file(GLOB_RECURSE found LIST_DIRECTORIES false "${ZORVAN_BUILD_FOLDER}/*.qm")
list(FILTER found INCLUDE REGEX "/translations/[^/]+\\.qm$")
list(SORT found)

set(installed)
foreach(file IN LISTS found)
    cmake_path(GET file FILENAME name)
    # Not those of this installation, when it is made in the build folder.
    string(FIND "${file}" "${installation}/" inside)
    list(FIND installed "${name}" before)
    if(inside EQUAL 0 OR before GREATER_EQUAL 0)
        continue()
    endif()
    list(APPEND installed "${name}")
    file(INSTALL "${file}" DESTINATION "${destination}")
    cmake_path(GET file STEM name)
    if(NOT name MATCHES "^[^_]+_(.+)$")
        continue()
    endif()
    set(language "${CMAKE_MATCH_1}")
    while(language)
        set(qt)
        foreach(folder IN LISTS ZORVAN_QT_TRANSLATIONS)
            if(NOT qt AND EXISTS "${folder}/qtbase_${language}.qm")
                set(qt "${folder}/qtbase_${language}.qm")
            endif()
        endforeach()
        if(qt)
            file(INSTALL "${qt}" DESTINATION "${destination}")
            break()
        endif()
        if(NOT language MATCHES "_")
            message(WARNING "No translation of Qt for ${name}.qm: Qt's own texts stay English")
            break()
        endif()
        string(REGEX REPLACE "_[^_]*$" "" language "${language}")
    endwhile()
endforeach()
