#pragma once

// "End the program": thrown where a message has ended the run and caught in
// main(), which returns the status. Nothing deeper calls exit().
struct ProgramSonu {
    int durum = 1;
};

#include <QString>

// A command line the batch mode cannot carry out; main() prints it and
// returns status 2.
struct KullanimHatasi {
    QString metin;
};
