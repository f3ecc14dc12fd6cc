#include "ui/tools/reference_list_update.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <algorithm>
#include <climits>

#include "model/reference_list.h"
#include "model/text_file.h"
#include "net/list_revision.h"
#include "net/web_address.h"
#include "ui/context/station_settings.h"
#include "ui/context/web_address_settings.h"
#include "ui/kit/text_codec.h"

namespace orv {
namespace {

const QString kCancel = QStringLiteral("Annuler");
const QString kProgressTitle = QStringLiteral("Mise a jour des références PC");
const QString kProgressBar = QStringLiteral("Téléchargement de la liste des Patrimoines");
const QString kDefaultAddress = QStringLiteral(
    "L'adresse de la liste des Patrimoines est encore celle du premier démarrage (%1), qui ne mène "
    "à aucun serveur : indiquez celle du site du diplome dans Outils > Adresses web, champ "
    "« Liste PC », puis relancez la mise à jour.");

TransferEnd transferEnd(HttpReply::End end) {
    switch (end) {
        case HttpReply::End::Answered:
            return TransferEnd::Finished;
        case HttpReply::End::NoAnswer:
            return TransferEnd::NoConnection;
        case HttpReply::End::Incomplete:
            return TransferEnd::Interrupted;
        case HttpReply::End::TimedOut:
            return TransferEnd::TimedOut;
        case HttpReply::End::TooLarge:
            return TransferEnd::TooLarge;
        case HttpReply::End::Cancelled:
            return TransferEnd::Cancelled;
    }
    return TransferEnd::NoConnection;
}

std::optional<std::size_t> sizeIfKnown(qint64 size) {
    return size >= 0 ? std::optional<std::size_t>(std::size_t(size)) : std::nullopt;
}

// The bytes received, and a bar when the server announced how many will come.
void showProgress(QProgressDialog& progress, qint64 received,
                  std::optional<std::size_t> announced) {
    const int total = announced ? int(std::min<std::size_t>(*announced, INT_MAX)) : 0;
    progress.setMaximum(total);
    progress.setValue(total > 0 ? int(std::min<qint64>(received, total)) : 0);
    progress.setLabelText(fromUtf8(downloadProgressText(std::size_t(received), announced)));
}

// A dialog in front of every window while the list arrives, its Cancel button the only way out.
void prepareProgress(QProgressDialog& progress) {
    progress.setObjectName(QStringLiteral("Telechargement"));
    progress.setWindowTitle(kProgressTitle);
    progress.setCancelButtonText(kCancel);
    auto* bar = new QProgressBar;
    bar->setAccessibleName(kProgressBar);
    progress.setBar(bar);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    showProgress(progress, 0, std::nullopt);
}

}  // namespace

ReferenceListUpdate::ReferenceListUpdate(WindowContext& context, std::chrono::milliseconds timeout)
    : context_(context), timeout_(timeout) {}

std::optional<ListReplacement> ReferenceListUpdate::run() {
    const QString address = addressSetting(context_.services.settings, kListAddress);
    if (normalizedAddress(address.toStdString()) == kListAddress.defaultAddress) {
        context_.services.messages.inform(
            context_.mainWindow, kDefaultAddress.arg(fromUtf8(kListAddress.defaultAddress)));
        return std::nullopt;
    }
    const std::filesystem::path listPath = context_.log.files().referenceList();
    const std::optional<std::string> before = readWholeFile(listPath);
    const std::optional<std::string> url = urlOnSite(address.toStdString(), kReferenceListUrlPath);
    bool downloaded = false;
    if (url) {
        downloaded = Download(QString::fromStdString(*url), fromUtf8(kReferenceListFile));
    } else {
        context_.services.messages.inform(
            context_.mainWindow,
            fromUtf8(invalidAddressMessage(kListAddress, address.toStdString())));
    }
    checkRevision(downloaded ? ListOnDisk::Downloaded : ListOnDisk::KeptAfterFailure);
    if (!downloaded || !before) {
        return std::nullopt;
    }
    const std::optional<std::string> after = readWholeFile(listPath);
    if (!after || *after == *before) {
        return std::nullopt;
    }
    return ListReplacement{parseReferenceList(*before), parseReferenceList(*after)};
}

bool ReferenceListUpdate::Download(const QString& url, const QString& saveAs) {
    HttpClient& http = context_.services.http;
    QProgressDialog progress(context_.mainWindow);
    prepareProgress(progress);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&http] { http.cancel(); });
    progress.show();

    const HttpReply reply =
        http.get({QUrl(url), timeout_, qint64(kMaxListBytes)}, [&](qint64 received, qint64 total) {
            showProgress(progress, received, sizeIfKnown(total));
        });
    progress.close();

    // The size announced by the server's header: at the end of a body without length, Qt's
    // progress gives the bytes received as the total.
    const ListVerdict verdict =
        judgeListAnswer({transferEnd(reply.end), reply.status, reply.body.toStdString(),
                         sizeIfKnown(reply.announcedLength), reply.contentType.toStdString()});
    if (!verdict.accepted) {
        context_.services.messages.inform(context_.mainWindow, fromUtf8(verdict.message));
        return false;
    }
    return context_.log.saveFile(toCp1252(saveAs).value_or(std::string()),
                                 std::string_view(reply.body.constData(), reply.body.size()));
}

void ReferenceListUpdate::checkRevision(ListOnDisk onDisk) {
    StationSettings station(context_.services.settings, context_.state.stationCallsign);
    const RevisionCheck check = orv::checkRevision(
        readRevision(context_.log.files().referenceList()), station.listRevision(), onDisk);
    if (check.message) {
        context_.services.messages.inform(context_.mainWindow, fromUtf8(*check.message));
    }
    if (check.revisionToRemember) {
        station.saveListRevision(*check.revisionToRemember);
    }
}

}  // namespace orv
