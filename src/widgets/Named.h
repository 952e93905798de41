// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>

// A new widget (or any object) with its object name, by which tests and tools find it.
template <typename T, typename... Args> T* named(const QString& name, Args&&... args)
{
    auto* object = new T(std::forward<Args>(args)...);
    object->setObjectName(name);
    return object;
}
