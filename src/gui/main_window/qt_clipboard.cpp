#include "main_window/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "copy/code_page_list.h"
#include "copy/cp1252.h"
#include "copy/rtf_document.h"

namespace glyphora {

QtClipboard::QtClipboard(PictureSource draw_picture, QClipboard* clipboard)
    : draw_picture_(std::move(draw_picture)), clipboard_(clipboard) {}

void QtClipboard::Put(QMimeData* data) {
    QClipboard* clipboard = clipboard_ ? clipboard_ : QGuiApplication::clipboard();
    // The clipboard takes the data over and replaces whatever it held.
    clipboard->setMimeData(data, QClipboard::Clipboard);
}

void QtClipboard::PutUnicodeText(std::u16string_view text) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdU16String(std::u16string(text)));
    Put(data);
}

void QtClipboard::PutCp1252Text(std::u16string_view text) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdU16String(std::u16string(text)));
    // Characters that stand for no byte (only in a name from an edited data file) get the code
    // page's best fit, as the platform's conversion would give them.
    std::string bytes;
    if (const auto exact = TextToCp1252Bytes(text))
        bytes = *exact;
    else
        bytes = converter_.ConvertToCodePage(text, kDefaultCodePage);
    data->setData(QString::fromLatin1(kCp1252MimeType),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    Put(data);
}

void QtClipboard::PutBytes(std::string_view bytes) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdU16String(Cp1252BytesToText(bytes)));
    data->setData(QString::fromLatin1(kCp1252MimeType),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    Put(data);
}

void QtClipboard::PutRtf(std::string_view document) {
    auto* data = new QMimeData;
    const QByteArray rtf(document.data(), static_cast<qsizetype>(document.size()));
    data->setData(QStringLiteral("text/rtf"), rtf);
    data->setData(QStringLiteral("application/rtf"), rtf);
    data->setText(QString::fromStdU16String(RtfPlainText(document)));
    Put(data);
}

bool QtClipboard::PutPicture(std::u16string_view code_units) {
    if (!draw_picture_) return true;  // no pictures here at all: nothing too large either
    const QImage image = draw_picture_(code_units);
    if (image.isNull()) return false;
    auto* data = new QMimeData;
    data->setImageData(image);
    Put(data);
    return true;
}

}  // namespace glyphora
