#pragma once
#include <QByteArrayView>

// Text order and equality of a Turkish, case-insensitive, accent-sensitive
// server collation, on UTF-8 text: the Turkish alphabet (A B C Ç D E F G Ğ
// H I İ J K L M N O Ö P Q R S Ş T U Ü V W X Y Z; Turkish upper and lower
// case, so 'i' pairs with 'İ' and 'ı' with 'I'), blanks and signs before
// digits, digits before letters; trailing blanks are ignored, and an
// accented letter (â, î, û, é ...) follows its base letter. Negative, zero
// or positive, like strcmp.
int Turkce_Karsilastir(QByteArrayView a, QByteArrayView b);
