#pragma once
#include "bant/Sayfa.h"
#include "report/RaporGirdisi.h"

#include <functional>

// A caller's own reason to stop a run under way (the form closing); Escape
// in any of the program's windows always stops it.
using Iptal = std::function<bool()>;

// Runs a fresh main report made from `girdi` into `alici`; the number of
// pages, or -1 when the run was stopped. Data errors raise VeritabaniHatasi.
int Rapor_Uret(const RaporGirdisi& girdi, Bant::SayfaAlici& alici, const Iptal& iptal = {});
