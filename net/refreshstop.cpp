// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/refreshstop.h"

TEvent g_refreshStop(true);
