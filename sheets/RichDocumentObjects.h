#pragma once
// The text objects of the document view: the place of a live control and a
// horizontal rule. One handler serves the live document; printing registers
// a second one on its copy, which draws controls as pictures at the
// printer's scale.
#include <QHash>
#include <QObject>
#include <QRectF>
#include <QTextObjectInterface>

namespace tv {

class RichDocument;

class RichDocumentObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    enum : int { ControlObject = QTextFormat::UserObject + 1, RuleObject = QTextFormat::UserObject + 2 };
    enum : int { ItemProperty = QTextFormat::UserProperty + 1 };

    // `printScale` 0: the live document (controls are real widgets on top);
    // otherwise printed, with 96-dpi sizes multiplied by the scale.
    RichDocumentObjects(RichDocument* view, qreal printScale);

    void registerOn(class QAbstractTextDocumentLayout* layout);

    QSizeF intrinsicSize(QTextDocument* doc, int posInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int posInDocument,
                    const QTextFormat& format) override;

    QHash<int, QRectF> painted; // control item -> rect last painted (live document)

private:
    RichDocument* view_;
    qreal scale_;
};

} // namespace tv
