// The program's one application object; the framework's WinMain runs it.
#include "ui/utility_app.h"

CUtilityApp theApp;
