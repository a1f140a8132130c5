#pragma once

#include <QVector>
#include <QWidget>

// A QR code of a line of text (Debian's libqrencode), black modules on white with the quiet zone
// round them, as large as the widget allows; nothing while the text is empty.
class QrCodeView : public QWidget {
    Q_OBJECT
public:
    explicit QrCodeView(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    // The modules, one row after the other (true: dark), and the width of a row; empty for none.
    const QVector<bool>& modules() const { return m_modules; }
    int moduleWidth() const { return m_width; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QVector<bool> m_modules;
    int m_width = 0;
};
