#include "app/gamestarts.h"

CGameStarts& CGameStarts::Instance() {
    static CGameStarts instance;
    return instance;
}
