// Resource ids of the main window: menus, toolbars, accelerators, its dialogs.
#pragma once
