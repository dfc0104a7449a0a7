#pragma once
// Word lists the demo company is drawn from.

struct SehirIlce {
    const char* sehir;
    const char* ilceler[4];
};

inline constexpr SehirIlce kSehirler[] = {
    {"İstanbul", {"Kadıköy", "Beşiktaş", "Ümraniye", "Bakırköy"}},
    {"Ankara", {"Çankaya", "Keçiören", "Yenimahalle", "Etimesgut"}},
    {"İzmir", {"Karşıyaka", "Bornova", "Konak", "Buca"}},
    {"Bursa", {"Osmangazi", "Nilüfer", "Yıldırım", "İnegöl"}},
    {"Antalya", {"Muratpaşa", "Kepez", "Konyaaltı", "Alanya"}},
    {"Konya", {"Selçuklu", "Meram", "Karatay", "Ereğli"}},
    {"Adana", {"Seyhan", "Çukurova", "Yüreğir", "Ceyhan"}},
    {"Gaziantep", {"Şahinbey", "Şehitkamil", "Nizip", "İslahiye"}},
    {"Kayseri", {"Melikgazi", "Kocasinan", "Talas", "Develi"}},
    {"Eskişehir", {"Odunpazarı", "Tepebaşı", "Sivrihisar", "Çifteler"}},
    {"Samsun", {"İlkadım", "Atakum", "Canik", "Bafra"}},
    {"Trabzon", {"Ortahisar", "Akçaabat", "Of", "Yomra"}},
    {"Diyarbakır", {"Bağlar", "Kayapınar", "Yenişehir", "Sur"}},
    {"Mersin", {"Yenişehir", "Mezitli", "Toroslar", "Tarsus"}},
    {"Denizli", {"Pamukkale", "Merkezefendi", "Çivril", "Acıpayam"}},
    {"Kocaeli", {"İzmit", "Gebze", "Gölcük", "Darıca"}},
    {"Sakarya", {"Adapazarı", "Serdivan", "Akyazı", "Hendek"}},
    {"Manisa", {"Yunusemre", "Şehzadeler", "Akhisar", "Turgutlu"}},
    {"Malatya", {"Battalgazi", "Yeşilyurt", "Darende", "Akçadağ"}},
    {"Erzurum", {"Yakutiye", "Palandöken", "Aziziye", "Oltu"}},
    {"Tekirdağ", {"Süleymanpaşa", "Çorlu", "Çerkezköy", "Malkara"}},
    {"Balıkesir", {"Altıeylül", "Karesi", "Bandırma", "Edremit"}},
    {"Aydın", {"Efeler", "Nazilli", "Söke", "Kuşadası"}},
    {"Muğla", {"Menteşe", "Bodrum", "Fethiye", "Marmaris"}},
    {"Hatay", {"Antakya", "İskenderun", "Defne", "Dörtyol"}},
    {"Şanlıurfa", {"Haliliye", "Eyyübiye", "Siverek", "Viranşehir"}},
    {"Sivas", {"Merkez", "Şarkışla", "Yıldızeli", "Suşehri"}},
    {"Çanakkale", {"Merkez", "Biga", "Çan", "Gelibolu"}},
    {"Edirne", {"Merkez", "Keşan", "Uzunköprü", "İpsala"}},
    {"Zonguldak", {"Merkez", "Ereğli", "Çaycuma", "Devrek"}},
};

inline constexpr const char* kSoyadlar[] = {
    "Yılmaz", "Kaya",  "Demir",   "Şahin", "Çelik", "Yıldız", "Yıldırım", "Öztürk", "Aydın", "Özdemir",
    "Arslan", "Doğan", "Kılıç",   "Aslan", "Çetin", "Kara",   "Koç",      "Kurt",   "Özkan", "Şimşek",
    "Polat",  "Özer",  "Erdoğan", "Güneş", "Aksoy", "Turan",  "Karaca",   "Bulut",  "Işık",  "Ünal",
};

inline constexpr const char* kSektorler[] = {
    "Gıda",   "Tekstil", "İnşaat", "Otomotiv", "Elektrik", "Mobilya",  "Kırtasiye", "Tarım",
    "Makine", "Plastik", "Kimya",  "Ambalaj",  "Bilişim",  "Lojistik", "Medikal",   "Turizm",
};

inline constexpr const char* kSirketTurleri[] = {
    "Tic. Ltd. Şti.", "San. ve Tic. A.Ş.", "Pazarlama Ltd. Şti.", "Ticaret", "Dış Tic. A.Ş.",
};

struct StokTanimi {
    const char* ad;
    const char* birim;
    int kdv;
    int fiyatKurus;
};

inline constexpr StokTanimi kStoklar[] = {
    {"Ayçiçek Yağı 5 Lt", "ADET", 1, 28950},
    {"Toz Şeker 50 Kg", "ÇUVAL", 1, 185000},
    {"Baldo Pirinç 1 Kg", "KG", 1, 7450},
    {"Kırmızı Mercimek", "KG", 1, 5890},
    {"Un Tip 550 25 Kg", "ÇUVAL", 1, 62500},
    {"Çay 1 Kg", "PAKET", 10, 24900},
    {"Deterjan 10 Kg", "ADET", 20, 46990},
    {"Kağıt Havlu 12'li", "PAKET", 20, 21950},
    {"A4 Fotokopi Kağıdı", "KOLİ", 20, 98000},
    {"Toner Kartuşu", "ADET", 20, 185000},
    {"Çelik Vida M8", "KUTU", 20, 12575},
    {"Galvaniz Boru 1\"", "METRE", 20, 14230},
    {"İnşaat Demiri Ø12", "TON", 20, 2485000},
    {"Portland Çimento", "TORBA", 20, 21500},
    {"Seramik Karo 60x60", "M2", 20, 42990},
    {"Pamuklu Kumaş", "METRE", 10, 18700},
    {"İplik Ne 30/1", "KG", 10, 15640},
    {"Erkek Gömlek", "ADET", 10, 64990},
    {"Çocuk Ayakkabısı", "ÇİFT", 10, 89950},
    {"Ofis Koltuğu", "ADET", 20, 549900},
    {"Çalışma Masası", "ADET", 20, 389000},
    {"LED Ampul 9W", "ADET", 20, 4590},
    {"Bakır Kablo 2,5 mm", "METRE", 20, 2375},
    {"Sigorta 16A", "ADET", 20, 8950},
    {"Hidrolik Yağ 20 Lt", "BİDON", 20, 189500},
    {"Motor Yağı 5W-30", "LİTRE", 20, 42000},
    {"Lastik 205/55 R16", "ADET", 20, 389900},
    {"Gübre 50 Kg", "ÇUVAL", 1, 112500},
    {"Buğday Tohumu", "KG", 1, 1890},
    {"Dizüstü Bilgisayar", "ADET", 20, 3249900},
    {"Yazıcı", "ADET", 20, 749000},
    {"Ağ Anahtarı 24 Port", "ADET", 20, 524900},
    {"Steril Eldiven", "KUTU", 10, 19990},
    {"Maske FFP2", "KUTU", 10, 24500},
    {"Streç Film", "RULO", 20, 31250},
    {"Koli Bandı", "RULO", 20, 2490},
    {"PET Şişe 0,5 Lt", "KOLİ", 20, 15900},
    {"Polietilen Granül", "KG", 20, 6125},
    {"Beyaz Peynir", "KG", 1, 23990},
    {"Süt 1 Lt", "ADET", 1, 3295},
};

struct HizmetTanimi {
    const char* kod;
    const char* ad;
    int kdv;
};

inline constexpr HizmetTanimi kHizmetler[] = {
    {"HZM001", "Montaj Hizmeti", 20}, {"HZM002", "Nakliye Hizmeti", 20}, {"HZM003", "Teknik Servis", 20}, {"HZM004", "Danışmanlık", 20},
    {"HZM005", "Yazılım Bakımı", 20}, {"HZM006", "Eğitim Hizmeti", 10},  {"HZM007", "Kiralama", 20},      {"HZM008", "Depolama", 20},
};

inline constexpr HizmetTanimi kMasraflar[] = {
    {"MSR001", "Navlun Masrafı", 20},  {"MSR002", "Sigorta Masrafı", 20}, {"MSR003", "Gümrük Masrafı", 20},
    {"MSR004", "Ambalaj Masrafı", 20}, {"MSR005", "Komisyon", 20},
};

inline constexpr HizmetTanimi kIndirimler[] = {
    {"IND001", "Kampanya İndirimi", 20},
    {"IND002", "Ciro Primi", 20},
    {"IND003", "Erken Ödeme İndirimi", 20},
};

struct IslemTipi {
    const char* ad;
    const char* onEk;
    int agirlik;
};

inline constexpr IslemTipi kIslemTipleri[] = {
    {"Satış Faturası", "SF", 55}, {"Alış Faturası", "AF", 25},   {"Satış İade", "SI", 6},
    {"Alış İade", "AI", 4},       {"Hizmet Faturası", "HF", 10},
};
