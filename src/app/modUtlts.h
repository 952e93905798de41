// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/SingleInstance.h"

#include <functional>

class QWidget;

// The routines of the single-copy rule.
namespace modUtlts {

// Run by a later copy: brings the first copy's main window forward (restored when
// minimised, shown when hidden), giving up when giveUp() holds. Whether or not the
// first copy answers, this copy ends.
SingleInstance::Handover ActivatePrevInstance(SingleInstance& instance,
                                              const std::function<bool()>& giveUp);

// Closes every window of this copy, one after another: the windows the main window
// opened, then the main window itself.
void UnloadAllForms(QWidget* mainWindow);

} // namespace modUtlts
