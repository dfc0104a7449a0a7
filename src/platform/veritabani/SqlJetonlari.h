#pragma once
#include <QString>
#include <vector>

// T-SQL text cut into tokens that keep every character, so that joining their
// texts gives the statement back unchanged.
struct Jeton {
    enum Tur { Bosluk, Yorum, Metin, Kimlik, Isaret, Diger } tur;
    QString s;
};

std::vector<Jeton> ayir(const QString& t);

// An identifier without its brackets or quotes, lower case; empty for any other token.
QString cozulmusAd(const Jeton& j);

inline bool isaretMi(const Jeton& j, QChar c) { return j.tur == Jeton::Isaret && j.s.size() == 1 && j.s.at(0) == c; }
