#pragma once
#include "platform/veritabani/Baglanti.h"

#include <QHash>
#include <QList>
#include <vector>

// A read-only, scrollable record set with a row count, as the program's own
// look-ups use it. Open reads the whole result, so RecordCount is known; the
// report reads its large results through Imlec instead.
class KayitSeti {
public:
    enum { adStateClosed = 0, adStateOpen = 1 };

    int State() const { return acik_ ? adStateOpen : adStateClosed; }
    void Close();
    // Any previous result is dropped first. Errors raise VeritabaniHatasi and
    // leave the set closed; the closed set's next access then fails with
    // error 3704 naming this failure as its cause.
    void Open(Baglanti& baglanti, const QString& sql);

    qint64 RecordCount() const;
    bool Eof() const;
    void MoveNext();
    // Field of the current record by name, letter case ignored. Unknown name:
    // error 3265; no current record: 3021; closed set: 3704.
    Deger Fields(const QString& ad) const;
    const QStringList& alanAdlari() const { return adlar_; }

private:
    void acikOlmali() const;

    bool acik_ = false;
    QString acilmamaNedeni_; // the failed Open, for the error of the next access
    QStringList adlar_;
    QHash<QString, int> sira_; // lower-case name -> first column of that name
    std::vector<QList<Deger>> satirlar_;
    qsizetype konum_ = 0;
};
