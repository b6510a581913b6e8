// The program's one application object.
#include "app/morvelank_app.h"

CMorvelankApp theApp;
