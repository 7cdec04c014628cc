#pragma once

// The main window. Its controls carry the names users and tests know them by (Text1,
// Command2, Label2_0 ...); its handlers read the controls, call the query engine
// (src/query) over the record table (src/data), and write the result table into Text8.
// Everything the OS does for it (message boxes, the browser, processor names, the
// single-instance lock) goes through Platform, so tests can answer and record it.

#include "data/RecordTable.h"
#include "query/Lookup.h"
#include "ui/main/TableFont.h"
#include "ui/pictures/PictureForm.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class ClickLabel;
class PictureBox;
class Platform;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QUrl;

class Form1 final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kClientSize{743, 703}; // 11145 x 10545 twips

    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;
    Q_DISABLE_COPY_MOVE(Form1)

    // Start-up; false when the program must end without showing the window.
    bool Form_Load();
    void Form_Unload(qint16 &Cancel);

    // How the program ends; tests replace it.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click(int index);
    void Label2_Click(int index);
    void Label6_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    // The query and its result table.
    void RunQuery();
    void RunPreparedQuery();
    void BeginResultTable();
    void AppendResultRow();
    void EndResultTable();

    // Form-level state.
    QString Opt_mark1;
    QString Start1;
    int MAXrecn1 = 0;
    int i = 0;
    qint16 ii = 0;
    RecordTable RecList;

    // Controls.
    PictureBox *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    std::array<QPushButton *, 4> Command9{};
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    std::array<ClickLabel *, 13> Label2{};
    std::array<ClickLabel *, 9> Label6{};
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text10 = nullptr;
    QTextEdit *Text8 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;

    // The text of the result box as written, lines ending in CR LF (the box itself shows
    // line breaks without the CR).
    const QString &resultText() const { return m_resultText; }

    PictureForm *Form2() const { return m_form2; }
    PictureForm *Form3() const { return m_form3; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrderAsDesigned();
    void selectOption(QRadioButton *option);
    // Hands the address to the browser; says so, with the address, when that fails.
    void openAddress(const QUrl &address);
    void showPictureForm(QPointer<PictureForm> &form, PictureForm::Kind kind);
    // Text8 shows the table being built; rows are gathered and written in one go before
    // anything else can look at the box.
    void appendNewerRow(int slot); // a row of the newer processors' table
    void setResultText(const QString &text);
    void flushResultText();

    Platform &m_platform;
    std::function<void()> m_endProgram;
    Lookup m_lookup{RecList};
    TableLayout m_table;
    QString m_resultText;
    bool m_resultPending = false;
    bool m_unloading = false;
    QPointer<PictureForm> m_form2;
    QPointer<PictureForm> m_form3;
};
