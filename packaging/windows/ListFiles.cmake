# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSTAGE=<staged installation> -DOUTPUT=<folder> [-DSTRIP=<strip>] -P ListFiles.cmake
# Strips the staged libraries and writes install-files.nsh (the staged files, folder by
# folder) and uninstall-files.nsh (the same files removed, then their folders, deepest
# first, each only if it is left empty).
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)

set(install "")
set(uninstall "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
    if(STRIP AND file MATCHES "\\.(dll|exe)$")
        execute_process(COMMAND ${STRIP} --strip-unneeded ${STAGE}/${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    cmake_path(GET file PARENT_PATH folder)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "${folder}")
    if(NOT folder STREQUAL current_folder)
        if(folder)
            string(APPEND install "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        else()
            string(APPEND install "SetOutPath \"$INSTDIR\"\n")
        endif()
        set(current_folder "${folder}")
        # Each folder on the way, so that empty parents go too.
        set(parent "${folder}")
        while(parent)
            list(APPEND folders "${parent}")
            cmake_path(GET parent PARENT_PATH parent)
        endwhile()
    endif()
    string(APPEND install "File \"${STAGE}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()

list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING) # a folder sorts after its parent, so comes first here
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND uninstall "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()

file(WRITE ${OUTPUT}/install-files.nsh "${install}")
file(WRITE ${OUTPUT}/uninstall-files.nsh "${uninstall}")
