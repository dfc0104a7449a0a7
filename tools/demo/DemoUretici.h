#pragma once
#include "DemoYazici.h"

#include <QList>
#include <QString>

// The demo company: a definition database with users, the company and its
// rights, and one company database with customers, stock, services, sellers,
// workplaces, warehouses, invoices and their lines. The same seed gives the
// same data.
struct DemoAyarlari {
    int faturaSayisi = 2000;
    int cariSayisi = 0; // 0: 300, or one per 20 invoices when that is more
    quint32 tohum = 2026;
    int unvanUzunlugu = 0; // >0: customer names repeated to this many characters (long-text benchmark)
    QString firmaVeritabani = QStringLiteral("DEMOFIRMA");
};

struct DemoKullanici {
    int id;
    QString ad;    // stored upper case
    QString sifre; // as typed; the database holds it scrambled
    QString rol;
};

QList<DemoKullanici> demoKullanicilari();

void demoUret(const DemoAyarlari& ayarlar, DemoYazici& yazici);
