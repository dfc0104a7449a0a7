#include "report/RaporUret.h"
#include "report/AnaRapor.h"
#include "report/RaporIptali.h"
#include "bant/RaporMotoru.h"

using namespace Bant;

int Rapor_Uret(const RaporGirdisi& girdi, SayfaAlici& alici, const Iptal& iptal) {
    AnaRapor rapor(girdi);
    RaporMotoru motor(rapor, alici);
    const RaporIptali durdur(iptal);
    motor.iptal = [&durdur] { return durdur.istendi(); };
    motor.calistir();
    return durdur.istendi() ? -1 : motor.sayfaSayisi();
}
