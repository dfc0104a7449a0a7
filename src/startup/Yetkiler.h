#pragma once

// Reads the user's right to this report and builds the workplace and
// warehouse restriction lists ("IN('01','03')" or empty). Errors are left to
// the caller's trap.
void Yetkileri_Oku();
