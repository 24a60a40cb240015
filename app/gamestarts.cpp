// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gamestarts.h"

CGameStarts& CGameStarts::Instance() {
    static CGameStarts instance;
    return instance;
}
