#!/usr/bin/env python3
"""What each test function runs of src/ and bant/, alone.

Needs build-kapsam/ as tools/kapsam.sh leaves it. Every QtTest function (every
other ctest test whole) runs by itself with its own GCOV_PREFIX; gcov reads
its counts back. Prints, per test, its size in source lines, the lines it runs
and the lines no other test runs; then what deleting the tests named by
--sil (regular expressions over "suite.function") would leave unrun.
A test with no line of its own is not therefore useless: its assertions may be
the only ones on what the others merely run. Use it as a check on a deletion
chosen for another reason, not as the reason.
"""
import argparse, collections, json, os, re, shutil, subprocess, sys
from concurrent.futures import ThreadPoolExecutor

KOK = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DERLEME = os.path.join(KOK, "build-kapsam")
KAYNAKLAR = tuple(os.path.join(KOK, k) + "/" for k in ("src", "bant/src", "bant/include"))


def testler():
    d = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=DERLEME, capture_output=True, text=True, check=True).stdout)
    for t in d["tests"]:
        ozellik = {p["name"]: p["value"] for p in t.get("properties", [])}
        ortam = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        ortam.update(v.split("=", 1) for v in ozellik.get("ENVIRONMENT", []))
        yield t["name"], t["command"], ortam, ozellik.get("WORKING_DIRECTORY", DERLEME)


def calistir(klasor):
    for ad, komut, ortam, dizin in testler():
        islevler = []
        if len(komut) == 1:
            r = subprocess.run(komut + ["-functions"], cwd=dizin, env=ortam, capture_output=True, text=True)
            islevler = [s[:-2] for s in r.stdout.split() if s.endswith("()") and s[:-2] not in ("initTestCase", "cleanupTestCase", "init", "cleanup")]
        for islev in islevler or [None]:
            hedef = os.path.join(klasor, ad + ("." + islev if islev else ""))
            shutil.rmtree(hedef, ignore_errors=True)
            subprocess.run(komut + ([islev] if islev else []), cwd=dizin, env=dict(ortam, GCOV_PREFIX=hedef),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=900)


def satirlari(klasor):
    """The source lines a prefix folder's counts say were run."""
    gcdalar = []
    for kok, _, dosyalar in os.walk(klasor):
        for d in dosyalar:
            if d.endswith(".gcda"):
                yol = os.path.join(kok, d)
                gcno = yol[:-5] + ".gcno"
                if not os.path.exists(gcno):
                    os.symlink(yol[len(klasor):][:-5] + ".gcno", gcno)
                gcdalar.append(yol)
    satirlar = set()
    for i in range(0, len(gcdalar), 40):
        r = subprocess.run(["gcov", "--json-format", "--stdout"] + gcdalar[i:i + 40], capture_output=True, text=True, cwd=klasor)
        for metin in r.stdout.splitlines():
            if not metin.startswith("{"):
                continue
            o = json.loads(metin)
            for f in o["files"]:
                ad = os.path.normpath(os.path.join(o["current_working_directory"], f["file"]))
                if ad.startswith(KAYNAKLAR):
                    satirlar.update(f"{ad[len(KOK) + 1:]}:{s['line_number']}" for s in f["lines"] if s["count"])
    return satirlar


def boylar():
    """Non-blank source lines of each test function, its _data included."""
    b = collections.Counter()
    for klasor in ("tests", "bant/tests"):
        for kok, _, dosyalar in os.walk(os.path.join(KOK, klasor)):
            for d in dosyalar:
                if not (d.startswith("tst_") and d.endswith(".cpp")):
                    continue
                islev = None
                for satir in open(os.path.join(kok, d), encoding="utf-8"):
                    if m := re.match(r"    void (\w+?)(_data)?\(\)", satir):
                        islev = m.group(1)
                    if islev and satir.strip():
                        b[f"{d[:-4]}.{islev}"] += 1
    return b


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--klasor", default="/tmp/test-kapsami", help="where the counts of each test go")
    p.add_argument("--calistirma", action="store_true", help="read the counts of an earlier run")
    p.add_argument("--sil", nargs="*", default=[], help="tests to delete, as regular expressions")
    a = p.parse_args()
    if not a.calistirma:
        calistir(a.klasor)
    adlar = sorted(os.listdir(a.klasor))
    with ThreadPoolExecutor(os.cpu_count()) as h:
        kapsam = dict(zip(adlar, h.map(lambda ad: satirlari(os.path.join(a.klasor, ad)), adlar)))
    sayi = collections.Counter(s for v in kapsam.values() for s in v)
    boy = boylar()
    print("own\tsize\truns\ttest")
    for ad in sorted(kapsam, key=lambda ad: (sum(sayi[s] == 1 for s in kapsam[ad]), -boy[ad])):
        print(f"{sum(sayi[s] == 1 for s in kapsam[ad])}\t{boy[ad]}\t{len(kapsam[ad])}\t{ad}")
    if a.sil:
        silinen = {ad for ad in kapsam if any(re.fullmatch(r, ad) for r in a.sil)}
        kalan = set().union(*(v for ad, v in kapsam.items() if ad not in silinen))
        kayip = sorted(set(sayi) - kalan)
        print(f"\ndeleting {len(silinen)} tests leaves {len(kayip)} of {len(sayi)} run lines unrun", *kayip, sep="\n")


if __name__ == "__main__":
    sys.exit(main())
