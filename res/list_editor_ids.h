// Resource ids of the list editor and its input dialogs.
#pragma once
