#include "shared/controls/logger_list_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <span>

#include "shared/loggerlist/logger_entry.h"

namespace {

QByteArray ClipboardBytes() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr ? data->data(kLoggerEntryMimeType) : QByteArray();
}

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

bool CopyToClipboard(const CLogger& entry) {
    const std::vector<std::uint8_t> block = entry.ClipboardBlock();
    auto* data = new QMimeData;
    data->setData(kLoggerEntryMimeType, QByteArray(reinterpret_cast<const char*>(block.data()),
                                                   static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
    return ClipboardBytes().size() == static_cast<qsizetype>(block.size());
}

bool ClipboardHoldsEntry() {
    CLogger probe;
    return probe.PasteClipboardBlock(AsBytes(ClipboardBytes()));
}

bool PasteFromClipboard(CLogger& entry) {
    return entry.PasteClipboardBlock(AsBytes(ClipboardBytes()));
}
