#pragma once
// IP and system dialogs: registers the area's dedicated dialogs and dialog functions (DialogRegistry.h). The module
// calls it once at start-up; a dialog unit of this area adds its line here and nowhere else.
void RegisterIpSystemDialogs();
