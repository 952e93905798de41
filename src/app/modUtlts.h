#pragma once

class QWidget;
class SingleInstance;

// The routines of the single-copy rule.
namespace modUtlts {

// Run by a later copy: brings the first copy's main window forward (restored when
// minimised, shown when hidden). Whether or not the first copy answers, this copy ends.
void ActivatePrevInstance(SingleInstance& instance);

// Closes every window of this copy, one after another: the windows the main window
// opened, then the main window itself.
void UnloadAllForms(QWidget* mainWindow);

} // namespace modUtlts
