#pragma once

#include <QAbstractButton>

// A small help button beside a caption. It shows one of three pictures:
// normal, highlighted while the pointer is over it, pressed while the button
// is held; a click asks for help at its keyword.
class THelpPicture : public QAbstractButton {
    Q_OBJECT
public:
    enum CPicture { hpNormal, hpHighlighted, hpPressed };

    THelpPicture(const QString& sKeyword, const QString& sAccessibleName, QWidget* parent = nullptr);

    CPicture Picture() const;

    QSize sizeHint() const override { return {16, 16}; }

signals:
    void HelpRequested(const QString& sKeyword);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString sKeyword;
    bool bPointerOver = false;
};
