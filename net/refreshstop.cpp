#include "net/refreshstop.h"

TEvent g_refreshStop(true);
