#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TForm2;
}

namespace bitloom {
struct ViewState;
}

// The address dialog. It reports an accepted entry through its own caption
// ("Goto address ... go!") and writes BaseOffset itself.
class TForm2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    static inline const QString RequestCaption = QStringLiteral("Goto address...");
    static inline const QString AcceptedCaption = QStringLiteral("Goto address ... go!");

    explicit TForm2(bitloom::ViewState& state, QWidget* parent = nullptr);
    ~TForm2() override;

    QString EntryText() const;
    void SetEntryText(const QString& text);

    void Button1Click();
    void Button2Click();
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TForm2> ui;
    bitloom::ViewState& state_;
};
