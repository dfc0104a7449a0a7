#include "platform/veritabani/SqlJetonlari.h"

namespace {

bool kimlikBasi(QChar c) { return c.isLetter() || c == u'_' || c == u'@' || c == u'#'; }
bool kimlikDevami(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

} // namespace

std::vector<Jeton> ayir(const QString& t) {
    std::vector<Jeton> j;
    const qsizetype n = t.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = t.at(i);
        qsizetype b = i;
        if (c.isSpace()) {
            while (i < n && t.at(i).isSpace()) ++i;
            j.push_back({Jeton::Bosluk, t.mid(b, i - b)});
        } else if (c == u'-' && i + 1 < n && t.at(i + 1) == u'-') {
            while (i < n && t.at(i) != u'\n') ++i;
            j.push_back({Jeton::Yorum, t.mid(b, i - b)});
        } else if (c == u'/' && i + 1 < n && t.at(i + 1) == u'*') {
            const qsizetype son = t.indexOf(QLatin1String("*/"), i + 2);
            i = son < 0 ? n : son + 2;
            j.push_back({Jeton::Yorum, t.mid(b, i - b)});
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && i + 1 < n && t.at(i + 1) == u'\'')) {
            if (c != u'\'') {
                ++i;
                ++b;
            } // N'...' is a Unicode literal; SQLite text always is
            ++i;
            while (i < n) {
                if (t.at(i) == u'\'') {
                    if (i + 1 < n && t.at(i + 1) == u'\'') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            j.push_back({Jeton::Metin, t.mid(b, i - b)});
        } else if (c == u'[' || c == u'"') {
            const QChar kapa = c == u'[' ? u']' : u'"';
            ++i;
            while (i < n && t.at(i) != kapa) ++i;
            if (i < n) ++i;
            j.push_back({Jeton::Kimlik, t.mid(b, i - b)});
        } else if (kimlikBasi(c)) {
            while (i < n && kimlikDevami(t.at(i))) ++i;
            j.push_back({Jeton::Kimlik, t.mid(b, i - b)});
        } else if (c.isDigit()) {
            while (i < n && (t.at(i).isLetterOrNumber() || t.at(i) == u'.')) ++i;
            j.push_back({Jeton::Diger, t.mid(b, i - b)});
        } else {
            ++i;
            j.push_back({Jeton::Isaret, QString(c)});
        }
    }
    return j;
}

QString cozulmusAd(const Jeton& j) {
    if (j.tur != Jeton::Kimlik) return {};
    if (j.s.startsWith(u'[') || j.s.startsWith(u'"')) return j.s.mid(1, j.s.size() - 2).toLower();
    return j.s.toLower();
}
