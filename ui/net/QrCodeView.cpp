#include "ui/net/QrCodeView.h"

#include "ui/widgets/Twips.h"

#include <QPainter>

#include <qrencode.h>

namespace {

// The white border a reader needs round the code, in modules.
constexpr int QuietZone = 4;

}  // namespace

QrCodeView::QrCodeView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(twips(2400), twips(2400));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize QrCodeView::sizeHint() const { return minimumSize(); }

void QrCodeView::setText(const QString& text)
{
    m_text = text;
    m_modules.clear();
    m_width = 0;
    const QByteArray bytes = text.toUtf8();
    QRcode* code = bytes.isEmpty() ? nullptr : QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M);
    if (code) {
        m_width = code->width;
        m_modules.reserve(m_width * m_width);
        for (int i = 0; i < m_width * m_width; ++i)
            m_modules.append((code->data[i] & 1) != 0);
        QRcode_free(code);
    }
    update();
}

void QrCodeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_width == 0)
        return;
    const int side = std::min(QWidget::width(), height());
    const int module = side / (m_width + 2 * QuietZone);
    const int origin = (side - module * m_width) / 2;
    for (int y = 0; y < m_width; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (m_modules[y * m_width + x])
                painter.fillRect(origin + x * module, origin + y * module, module, module, Qt::black);
        }
    }
}
