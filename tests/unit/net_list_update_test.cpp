#include <gtest/gtest.h>

#include "net/list_download.h"
#include "net/list_revision.h"
#include "net/web_address.h"

namespace orv {
namespace {

const std::string kList = "Rev 004 02/03/24;;;\r\nPC-89001;Nom;x;1;x;a;b;\r\n";

TEST(ListAnswerTest, OnlyACompleteListAnsweredWith200IsAccepted) {
    struct Case {
        ListAnswer answer;
        bool accepted;
        std::string message;
    };
    const std::string kept(kListKept);
    const std::vector<Case> cases = {
        {{TransferEnd::Finished, 200, kList, std::nullopt}, true, ""},
        {{TransferEnd::Finished, 200, kList, kList.size()}, true, ""},
        {{TransferEnd::NoConnection, 0, "", std::nullopt},
         false,
         "Attention pas d'acces à Internet"},
        {{TransferEnd::Finished, 200, "", 0}, false, "Attention pas d'acces à Internet"},
        {{TransferEnd::Finished, 404, kList, std::nullopt},
         false,
         "Le serveur a répondu par l'erreur HTTP 404" + kept},
        {{TransferEnd::Finished, 500, "", std::nullopt},
         false,
         "Le serveur a répondu par l'erreur HTTP 500" + kept},
        {{TransferEnd::Finished, 200, "Rev\n;;", std::nullopt},
         false,
         "Le fichier reçu n'a pas de ligne de révision, ce n'est pas une liste des Patrimoines" +
             kept},
        {{TransferEnd::Interrupted, 200, kList.substr(0, 30), 12'345},
         false,
         "Le téléchargement a été interrompu (30 octets reçus sur 12 345)" + kept},
        {{TransferEnd::Interrupted, 200, kList, std::nullopt},
         false,
         "Le téléchargement a été interrompu (46 octets reçus)" + kept},
        {{TransferEnd::TimedOut, 200, kList, std::nullopt},
         false,
         "Le serveur de la liste des Patrimoines ne répond plus (délai de 30 secondes dépassé)" +
             kept},
        {{TransferEnd::Cancelled, 200, kList, std::nullopt}, false, "Téléchargement annulé" + kept},
        {{TransferEnd::TooLarge, 200, "", 20'000'000},
         false,
         "La réponse du serveur dépasse 8 Mo, ce n'est pas une liste des Patrimoines" + kept},
    };
    for (const Case& c : cases) {
        const ListVerdict verdict = judgeListAnswer(c.answer);
        EXPECT_EQ(verdict.accepted, c.accepted) << c.message;
        EXPECT_EQ(verdict.message, c.message);
    }
}

// Each rule of a whole list, and the answers that replaced the list before them: a body without
// length cut by a reset or a close, a body longer than its Content-Length (cut there by Qt) and a
// truncated gzip body all stop inside a line.
TEST(ListAnswerTest, OnlyTheShapeOfAWholeListIsAccepted) {
    const std::string site = "PC-89001;Nom;x;1;x;a;b;";
    const std::string notAList = ", ce n'est pas une liste des Patrimoines";
    const std::string cut = "Le fichier reçu s'arrête au milieu d'une ligne, il est incomplet";
    const std::string page = "Le fichier reçu est une page web" + notAList;
    const std::string noSite = "Le fichier reçu ne contient aucun Patrimoine" + notAList;
    struct Case {
        std::string body;
        std::string contentType;
        std::string why;  // empty when accepted
    };
    const std::vector<Case> cases = {
        {kList, "text/plain; charset=windows-1252", ""},
        {"Rev 1;\n" + site + "\n", "", ""},
        {"Rev 1;\r\n" + site + "z", "", ""},
        {"Rev 1;\r\n" + site + "\r", "", ""},
        {"Rev 1;\r\nPC-\r\n" + site + "\r\n", "", ""},
        {std::string(64, 'R') + ";\r\n" + site + "\r\n", "", ""},
        {kList + "PC-89002;Nom;x;2;x;a;b", "", cut},
        {std::string(65, 'R') + ";\r\n" + site + "\r\n", "",
         "La révision du fichier reçu dépasse 64 caractères" + notAList},
        {"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n" +
             site + "\r\n",
         "", page},
        {"\xEF\xBB\xBF <!DOCTYPE html>;\r\n" + site + "\r\n", "", page},
        {kList, "Text/HTML ; charset=utf-8", "Le serveur a envoyé une page web" + notAList},
        {"Rev 1\r\n" + site + "\r\n", "",
         "Le fichier reçu n'a pas de ligne de révision" + notAList},
        {"Rev 1;\r\n", "", noSite},
        {"Rev 1;\r\n;;;;;;;;\r\n" + site + "\r\n", "", noSite},
        {"Rev 1;\r\nPC-;Nom;x;1;x;a;b;\r\n", "", noSite},
        {"Rev 1;\r\nPC-89001;Nom;x;1;x;a;b\r\n", "", noSite},
        {"\x1F\x8B\x08\x08;\xFF\r\n\x03\xC1", "", noSite},  // gzip bytes left undecoded
    };
    for (const Case& c : cases) {
        const ListVerdict verdict =
            judgeListAnswer({TransferEnd::Finished, 200, c.body, std::nullopt, c.contentType});
        EXPECT_EQ(verdict.accepted, c.why.empty()) << c.body.substr(0, 80);
        EXPECT_EQ(verdict.message, c.why.empty() ? "" : c.why + std::string(kListKept));
    }
}

TEST(ListAnswerTest, ProgressCountsTheBytesInFrench) {
    EXPECT_EQ(downloadProgressText(0, std::nullopt),
              "Téléchargement de la liste des Patrimoines : 0 octet reçu");
    EXPECT_EQ(downloadProgressText(1, 10),
              "Téléchargement de la liste des Patrimoines : 1 octet reçu sur 10");
    EXPECT_EQ(downloadProgressText(2, std::nullopt),
              "Téléchargement de la liste des Patrimoines : 2 octets reçus");
    EXPECT_EQ(downloadProgressText(1'234'567, 20'000'000),
              "Téléchargement de la liste des Patrimoines : 1 234 567 octets reçus sur 20 000 000");
}

TEST(RevisionCheckTest, SameRevisionOrUpdatedAndWhatIsRemembered) {
    const RevisionCheck same =
        checkRevision("Rev 004 02/03/24", "Rev 004 02/03/24", ListOnDisk::Downloaded);
    EXPECT_EQ(same.message,
              "La liste des Patrimoines est à la derniere révision   (Rev 004 02/03/24)");
    EXPECT_EQ(same.revisionToRemember, "Rev 004 02/03/24");

    const RevisionCheck first =
        checkRevision("Rev 004 02/03/24", kDefaultRevision, ListOnDisk::Downloaded);
    EXPECT_EQ(first.message, "La liste des Patrimoines à été mise à jour   Rev 004 02/03/24");
    EXPECT_EQ(first.revisionToRemember, "Rev 004 02/03/24");

    EXPECT_TRUE(checkRevision("REV 004 02/03/24", "Rev 004 02/03/24", ListOnDisk::Downloaded)
                    .message->starts_with("La liste des Patrimoines à été mise à jour"));
    EXPECT_EQ(checkRevision("R\xE9v 5", "x", ListOnDisk::Downloaded).message,
              "La liste des Patrimoines à été mise à jour   Rév 5");
    EXPECT_EQ(checkRevision("", "", ListOnDisk::Downloaded).revisionToRemember, "");

    const RevisionCheck none =
        checkRevision(std::nullopt, kDefaultRevision, ListOnDisk::Downloaded);
    EXPECT_EQ(none.message, "Aucune liste des Patrimoines lisible n'est installée (Liste_PC.csv).");
    EXPECT_EQ(none.revisionToRemember, std::nullopt);
    const RevisionCheck tooLong =
        checkRevision(std::string(65, 'R'), kDefaultRevision, ListOnDisk::Downloaded);
    EXPECT_EQ(tooLong.message, none.message);
    EXPECT_EQ(tooLong.revisionToRemember, std::nullopt);
}

// The operator has been told the old list is kept: it is never announced as an update.
TEST(RevisionCheckTest, ListKeptAfterAFailedDownloadIsNeverAnUpdate) {
    constexpr ListOnDisk kKept = ListOnDisk::KeptAfterFailure;
    const RevisionCheck same = checkRevision("Rev 004 02/03/24", "Rev 004 02/03/24", kKept);
    EXPECT_EQ(same.message,
              "La liste des Patrimoines est à la derniere révision   (Rev 004 02/03/24)");
    EXPECT_EQ(same.revisionToRemember, "Rev 004 02/03/24");

    const RevisionCheck other = checkRevision("Rev 004 02/03/24", kDefaultRevision, kKept);
    EXPECT_EQ(other.message, std::nullopt);
    EXPECT_EQ(other.revisionToRemember, std::nullopt);

    EXPECT_EQ(checkRevision(std::nullopt, kDefaultRevision, kKept).message,
              "Aucune liste des Patrimoines lisible n'est installée (Liste_PC.csv).");
}

TEST(WebAddressTest, SchemeHostAndOptionalPortWithoutPath) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"http://velmora.example", "http://velmora.example"},
        {" https://www.velmora.example:8443/ ", "https://www.velmora.example:8443"},
        {"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"http://[::1]:65535", "http://[::1]:65535"},
        {"http://[::1]", "http://[::1]"},
        {"http://host:0", std::nullopt},
        {"http://host:65536", std::nullopt},
        {"http://host:", std::nullopt},
        {"http://host:80a", std::nullopt},
        {"http://host/Velmora", std::nullopt},
        {"http://", std::nullopt},
        {"ftp://host", std::nullopt},
        {"host", std::nullopt},
        {"http://ho st", std::nullopt},
        {"http://host?x=1", std::nullopt},
        {"http://user@host", std::nullopt},
        {"HTTP://host", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [address, normal] : cases) {
        EXPECT_EQ(normalizedAddress(address), normal) << address;
    }
    EXPECT_EQ(urlOnSite("http://127.0.0.1:8080/", kReferenceListUrlPath),
              "http://127.0.0.1:8080/Velmora/Liste_PC.csv");
    EXPECT_EQ(urlOnSite("nowhere", kReferenceListUrlPath), std::nullopt);
    for (const AddressSetting& setting : kAddressSettings) {
        EXPECT_TRUE(normalizedAddress(setting.defaultAddress)) << setting.key;
    }
}

TEST(WebAddressTest, AnEmptyFieldIsSaidEmpty) {
    EXPECT_EQ(refusedAddressMessage(kListAddress, "  "),
              "Le champ « Liste PC » est vide : l'adresse doit être de la forme http://serveur ou "
              "https://serveur:port, sans chemin. Aucune adresse n'a été enregistrée.");
}

}  // namespace
}  // namespace orv
