#include "startup/Degiskenler.h"

Degiskenler& degiskenler() {
    static Degiskenler kayit;
    return kayit;
}
