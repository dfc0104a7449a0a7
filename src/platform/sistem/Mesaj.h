#pragma once
#include <QString>

// Message boxes and Yes/No questions. The windows show them as dialogs, the
// batch mode writes them to standard error, tests script the answers.
enum class Simge { Yok, Kritik, Bilgi, Soru };

class MesajServisi {
public:
    virtual ~MesajServisi() = default;
    virtual void goster(const QString& metin, Simge simge, const QString& baslik) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool evetMi(const QString& metin, const QString& baslik) = 0;
};

// The program's title, which every box without a title of its own carries.
QString programBasligi();

MesajServisi& mesajServisi();
// The service is not owned; nullptr restores the console one.
void mesajServisiniAyarla(MesajServisi* servis);

// An empty title stands for the program's title.
void MsgBox(const QString& metin, Simge simge = Simge::Yok, const QString& baslik = {});
bool MsgBoxEvetHayir(const QString& metin, const QString& baslik = {});
