#pragma once

// A picture box showing one SVG from the compiled-in artwork. It is painted
// through QSvgRenderer at the screen's device pixel ratio, so it stays crisp
// at any scaling; the file is parsed only when the picture is first painted.
// Other controls (bands, labels, inputs) may sit on it as its children.

#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace ui {

class SvgPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    // source: a resource path such as ":/art/page0_resistor.svg"; geometry in
    // pixels of the parent
    SvgPicture(QWidget *parent, QStringView name, QStringView source, const QRect &geometry);
    ~SvgPicture() override;

    QString source() const { return m_source; }
    void setSource(const QString &source);

    // Shows only `part` of the artwork (in the SVG's own units), stretched
    // over the whole picture; a null rectangle shows all of it.
    void setShownPart(const QRectF &part);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_source;
    QRectF m_shownPart;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace ui
