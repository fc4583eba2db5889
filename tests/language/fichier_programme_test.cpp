// Program files: line ends, encodings, byte-order mark, binary junk, round trips and
// French errors for files that cannot be read or written.
#include "language/encodage.h"
#include "language/fichier_programme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace velk {
namespace {

using Lignes = std::vector<std::string>;

struct CasDecoupe {
    std::string octets;
    Lignes lignes;
};

TEST(FichierProgramme, SplitsOnCrLfOrLfWithOrWithoutFinalTerminator) {
    const CasDecoupe cas[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\r\n\n", {"a", ""}},
        {"a\rb\r\n", {"a\rb"}},  // a lone CR is kept as a character
        {"a\r", {"a\r"}},
        {"\xEF\xBB\xBFP0:=0,0,0,0\r\n", {"P0:=0,0,0,0"}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& c : cas) EXPECT_EQ(DecoupeLignes(c.octets), c.lignes) << c.octets;
}

// The lines read one at a time as a run asks for them (velk-run) are those of the loaded
// file, whatever the line ends, the encoding, or the lines skipped.
TEST(FichierProgramme, StreamedLinesMatchTheLoadedOnes) {
    const std::string cas[] = {
        "", "a", "a\r\n", "a\r\nb", "\n\n\n", "a\r\n\r\nb\r\n", "a\rb\r\n", "a\r",
        "\xEF\xBB\xBFP0:=0,0,0,0\r\nP1", "Derni\xE8re\r\n\x80\x81\r\n\xE9t\xE9",
        std::string("a\0b\r\n\n", 6),
    };
    for (const std::string& octets : cas) {
        const Lignes attendues = DecoupeLignes(octets);
        for (int pas = 1; pas <= 2; ++pas) {
            TamponZone copie = NouveauTampon(octets.size() + 1);
            std::copy(octets.begin(), octets.end(), copie.get());
            LignesEnFlux flux(std::move(copie), octets.size());
            ASSERT_EQ(flux.NombreLignes(), static_cast<int>(attendues.size())) << octets;
            for (int k = pas - 1; k < flux.NombreLignes(); k += pas)
                EXPECT_EQ(flux.Ligne(k), attendues[static_cast<size_t>(k)]) << octets << " " << k;
        }
    }
}

TEST(FichierProgramme, DecodesUtf8AsIsAndOtherwiseWindows1252) {
    EXPECT_EQ(DecoupeLignes("{ d\xC3\xA9j\xC3\xA0 }"), Lignes{"{ déjà }"});
    EXPECT_EQ(DecoupeLignes("{ d\xE9j\xE0 \x80 \x9C \x81 }\r\n"),
              Lignes{"{ déjà € œ \xC2\x81 }"});
    // One stray byte is enough to read the whole file as Windows-1252.
    EXPECT_EQ(DecoupeLignes("\xC3\xA9\r\n\xE9"), (Lignes{"Ã©", "é"}));
    for (const char* faux : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xFF"})
        EXPECT_FALSE(EstUtf8Valide(faux)) << faux;
    EXPECT_TRUE(EstUtf8Valide("\xF0\x9F\x98\x80 \xE2\x82\xAC"));
    EXPECT_EQ(Utf8Assaini("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(FichierProgramme, Windows1252EncodesBackEveryByteItDecodes) {
    std::string tous;
    for (int c = 0; c < 256; ++c) tous += static_cast<char>(c);
    std::string octets;
    ASSERT_TRUE(Utf8VersWindows1252(Windows1252VersUtf8(tous), octets));
    EXPECT_EQ(octets, tous);
    // Characters the code page lacks, and ill-formed input, are refused.
    for (const char* hors : {"\xCE\xB1", "\xE2\x86\x92", "\xF0\x9F\x98\x80", "\xC2\x80", "\xFF"})
        EXPECT_FALSE(Utf8VersWindows1252(std::string("a") + hors, octets)) << hors;
}

TEST(FichierProgramme, RemembersTheEncodingAndWritesInItWhileTheTextFits) {
    struct Cas {
        std::string octets;
        Encodage lu;
    };
    const Cas cas[] = {{"P0:=0,0,0,0\r\n", Encodage::Utf8},
                       {"{ \xC3\xA9 }\r\n", Encodage::Utf8},
                       {"\xEF\xBB\xBF{ \xC3\xA9 }\r\n", Encodage::Utf8AvecBom},
                       {"{ \xE9 \x80 }\r\n", Encodage::Windows1252}};
    for (const auto& c : cas) {
        const ProgrammeCharge p = DecoupeProgramme(c.octets);
        EXPECT_EQ(p.encodage, c.lu) << c.octets;
        Encodage e = p.encodage;
        EXPECT_EQ(AssembleLignes(Lignes(p.lignes.begin(), p.lignes.end()), e), c.octets);
        EXPECT_EQ(e, c.lu);
    }
    // A character outside Windows-1252 turns the whole file into UTF-8, and says so.
    Encodage e = Encodage::Windows1252;
    EXPECT_EQ(AssembleLignes({"é", "→"}, e), "\xC3\xA9\r\n\xE2\x86\x92\r\n");
    EXPECT_EQ(e, Encodage::Utf8);
    e = Encodage::Windows1252;
    EXPECT_EQ(AssembleLignes({"é"}, e), "\xE9\r\n");
    EXPECT_EQ(e, Encodage::Windows1252);
}

TEST(FichierProgramme, BinaryJunkDecodesToValidUtf8Lines) {
    std::string junk;
    for (int k = 0; k < 100000; ++k) junk += static_cast<char>((k * 7919 + k / 13) & 0xFF);
    const Lignes lignes = DecoupeLignes(junk);
    ASSERT_FALSE(lignes.empty());
    for (const auto& l : lignes) EXPECT_TRUE(EstUtf8Valide(l));
}

TEST(FichierProgramme, WriteThenReadGivesTheSameLines) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const std::string chemin = dossier.filePath("essai.vlk").toStdString();
    const Lignes lignes = {"Programme VELK Version 1.0 07/12/2026", "", "", "P0:=0,0,0,0 {déjà}",
                           "", "L0:=P0,A0,0,0"};
    EcritFichierProgramme(chemin, lignes);
    QFile f(QString::fromStdString(chemin));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.endsWith("L0:=P0,A0,0,0\r\n"));
    EXPECT_EQ(octets.count("\r\n"), 6);
    EXPECT_EQ(LitFichierProgramme(chemin), lignes);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no leftover
}

TEST(FichierProgramme, UnreadableOrUnwritableFilesRaiseFrenchErrors) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const std::string absent = dossier.filePath("absent.vlk").toStdString();
    try {
        LitFichierProgramme(absent);
        FAIL();
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(std::string(e.what()), "Le fichier « " + absent + " » n'existe pas.");
    }
    EXPECT_THROW(LitFichierProgramme(dossier.path().toStdString()), ErreurFichier);
    EXPECT_THROW(EcritFichierProgramme(dossier.filePath("non/la.vlk").toStdString(), {"a"}),
                 ErreurFichier);
}

} // namespace
} // namespace velk
