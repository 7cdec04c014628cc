#include "ui/main/Form1.h"

#include "data/InfoTexts.h"
#include "data/ReferenceTables.h"
#include "data/Title.h"
#include "data/TitleScrambler.h"
#include "platform/Platform.h"
#include "query/Conditions.h"
#include "query/ModelNumber.h"
#include "query/ResultTable.h"
#include "ui/common/Accessibility.h"
#include "ui/common/Centre.h"
#include "ui/common/EnterPresses.h"
#include "ui/common/ProgramIcon.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/ColourButton.h"
#include "ui/main/Frame.h"
#include "ui/main/TableFont.h"
#include "ui/main/TypingGoesToField.h"
#include "ui/pictures/PictureBox.h"
#include "ui/pictures/PictureForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

#include <type_traits>

namespace {

const QString kPromptTitle = QStringLiteral("系统提示");
constexpr int kTierScanLastSlot = 3200; // G188, the highest slot any tier names

// Fonts are asked for by pixel size (points at 96 dpi) so that the result box gets an even
// size, where the fixed-pitch CJK fonts keep a Chinese character at exactly two columns.
QFont songti(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("WenQuanYi Micro Hei Mono"),
                      QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

constexpr int kPx9pt = 12;
constexpr int kPx10_5pt = 14;
constexpr int kPx12pt = 16;
constexpr int kPx18pt = 24;

// Twips to pixels at 96 dpi; Qt scales logical pixels on denser screens.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

const QColor kOrange(255, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);

template <typename W>
W *place(QWidget *parent, const char *name, QRect geometry)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

QLineEdit *textBox(QWidget *parent, const char *name, QRect geometry, const QFont &font, const QColor &background)
{
    auto *box = place<QLineEdit>(parent, name, geometry);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

template <typename B = QPushButton>
B *button(QWidget *parent, const char *name, const QString &caption, QRect geometry, const QFont &font)
{
    auto *b = place<B>(parent, name, geometry);
    b->setText(caption);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

template <typename Colour>
ColourButton *colourButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                           const QFont &font, Colour colour)
{
    auto *b = button<ColourButton>(parent, name, caption, geometry, font);
    if constexpr (std::is_same_v<Colour, QPalette::ColorRole>)
        b->setColourRole(colour);
    else
        b->setColour(colour);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *l = place<QLabel>(parent, name, geometry);
    l->setText(caption);
    return l;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, QRect geometry, const QFont &font)
{
    auto *o = place<QRadioButton>(parent, name, geometry);
    o->setText(caption);
    o->setFont(font);
    return o;
}

ClickLabel *linkLabel(QWidget *parent, const QString &name, QRect geometry)
{
    auto *l = new ClickLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    QFont font = songti(kPx10_5pt);
    font.setUnderline(true);
    l->setFont(font);
    l->setCursor(Qt::PointingHandCursor);
    l->setText(QStringLiteral("Label") + name.mid(5, 1));
    return l;
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_endProgram([] { QCoreApplication::exit(0); })
    , m_table(kPx12pt)
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    setFont(songti(kPx10_5pt));
    setFixedSize(kClientSize);
    createControls();
    setTabOrderAsDesigned();
    letEnterPressButtons(this);
    letTypingGoTo(this, Text1);
    Command1->setFocus();
    centreOnScreen(this);
}

Form1::~Form1()
{
    // picture windows have no owner; they go with the main window
    delete m_form2;
    delete m_form3;
}

void Form1::createControls()
{
    const QFont small = songti(kPx9pt);
    const QFont smallBold = songti(kPx9pt, true);

    Picture1 = place<PictureBox>(this, "Picture1", twips(120, 120, 780, 780));
    Picture1->setPixmap(programIconPixmap(devicePixelRatioF()));
    Picture1->setAccessibleName(QStringLiteral("图标"));

    Label1 = label(this, "Label1", QStringLiteral("Label1"), twips(960, 120, 7455, 855));
    Label1->setFont(songti(kPx18pt, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame1 = place<Frame>(this, "Frame1", twips(120, 960, 8415, 9495));
    Frame1->setTitle(QStringLiteral("查询"));

    Command6 = button(this, "Command6", QStringLiteral("本机&CPU型号"), twips(8640, 480, 2415, 495), small);

    Frame4 = place<Frame>(this, "Frame4", twips(8640, 1080, 2415, 3615));
    Frame4->setTitle(QStringLiteral("常见设备查询示例"));
    Frame3 = place<Frame>(this, "Frame3", twips(8640, 4800, 2415, 2655));
    Frame3->setTitle(QStringLiteral("常用链接"));
    Frame2 = place<Frame>(this, "Frame2", twips(8640, 7560, 2415, 1215));
    Frame2->setTitle(QStringLiteral("PUBG"));

    Command4 = button(this, "Command4", QStringLiteral("关于&A"), twips(8640, 8880, 2415, 375), small);
    Command8 = button(this, "Command8", QStringLiteral("检查更新&U"), twips(8640, 9360, 2415, 375), small);
    Command1 = colourButton(this, "Command1", QStringLiteral("退出&Q"), twips(8640, 9840, 2415, 615), smallBold,
                            QPalette::Highlight);

    // Never seen: they lie right of the client area; the reset empties them.
    Text3 = textBox(this, "Text3", twips(11640, 1080, 1095, 375), small, kYellow);
    Text4 = textBox(this, "Text4", twips(11640, 1560, 1095, 375), small, kYellow);

    // The query frame.
    Label5 = label(Frame1, "Label5", QStringLiteral("主："), twips(120, 360, 495, 255));
    Label5->setFont(songti(kPx10_5pt, true));
    Text1 = textBox(Frame1, "Text1", twips(480, 240, 2295, 405), songti(kPx12pt, true), kOrange);
    Label3 = label(Frame1, "Label3", QStringLiteral("与："), twips(2880, 360, 495, 255));
    Text2 = textBox(Frame1, "Text2", twips(3240, 240, 4215, 375), small, kYellow);
    Command2 = colourButton(Frame1, "Command2", QStringLiteral("查询&S"), twips(7560, 240, 735, 495), smallBold, kOrange);
    Label7 = label(Frame1, "Label7", QStringLiteral("(范围"), twips(120, 840, 495, 375));
    Label7->setFont(small);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Option1 = option(Frame1, "Option1", QStringLiteral("ALL"), twips(720, 720, 615, 375), small);
    Option2 = option(Frame1, "Option2", QStringLiteral("CPU"), twips(1320, 720, 615, 375), small);
    Option3 = option(Frame1, "Option3", QStringLiteral("GPU)"), twips(2040, 720, 735, 375), small);
    Label4 = label(Frame1, "Label4", QStringLiteral("或："), twips(2880, 840, 495, 255));
    Text5 = textBox(Frame1, "Text5", twips(3240, 720, 975, 375), small, kCyan);
    Text6 = textBox(Frame1, "Text6", twips(4320, 720, 975, 375), small, kCyan);
    Text7 = textBox(Frame1, "Text7", twips(5400, 720, 975, 375), small, kCyan);
    Text10 = textBox(Frame1, "Text10", twips(6480, 720, 975, 375), small, kCyan);
    // the desktop's active-border colour; Qt's palette has none, Mid is its nearest kin
    Command3 = colourButton(Frame1, "Command3", QStringLiteral("重置&R"), twips(7560, 840, 735, 255), small,
                            QPalette::Mid);

    Text8 = place<QTextEdit>(Frame1, "Text8", twips(120, 1200, 8175, 8175));
    Text8->setFont(m_table.font());
    Text8->setAcceptRichText(false);
    Text8->setReadOnly(true);
    Text8->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // a table line is never broken: where a font makes it wider than the box, it scrolls
    Text8->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text8->setLineWrapMode(QTextEdit::NoWrap);
    Text8->document()->setDocumentMargin(2);
    Text8->setUndoRedoEnabled(false);

    // Screen readers would call every field by its frame's caption.
    Text1->setAccessibleName(QStringLiteral("主条件"));
    Text2->setAccessibleName(QStringLiteral("与条件"));
    Text5->setAccessibleName(QStringLiteral("或条件1"));
    Text6->setAccessibleName(QStringLiteral("或条件2"));
    Text7->setAccessibleName(QStringLiteral("或条件3"));
    Text10->setAccessibleName(QStringLiteral("或条件4"));
    Text8->setAccessibleName(QStringLiteral("查询结果"));

    for (int k = 0; k < int(Label2.size()); ++k) {
        Label2[std::size_t(k)] = linkLabel(Frame4, QStringLiteral("Label2_%1").arg(k), twips(120, 240 * (k + 1), 2055, 255));
        connect(Label2[std::size_t(k)], &ClickLabel::clicked, this, [this, k] { Label2_Click(k); });
    }
    for (int k = 0; k < int(Label6.size()); ++k) {
        Label6[std::size_t(k)] = linkLabel(Frame3, QStringLiteral("Label6_%1").arg(k), twips(120, 240 * (k + 1), 1935, 255));
        connect(Label6[std::size_t(k)], &ClickLabel::clicked, this, [this, k] { Label6_Click(k); });
    }

    const QRect tierGeometry[] = {twips(120, 240, 735, 375), twips(960, 240, 375, 375), twips(1440, 240, 375, 375),
                                  twips(1920, 240, 375, 375)};
    const QString tierCaption[] = {QStringLiteral("PUBG1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    for (int k = 0; k < int(Command9.size()); ++k) {
        const QByteArray name = "Command9_" + QByteArray::number(k);
        Command9[std::size_t(k)] = button(Frame2, name.constData(), tierCaption[k], tierGeometry[k], small);
        Command9[std::size_t(k)]->setAccessibleName(QStringLiteral("PUBG%1").arg(k + 1)); // not a bare "2"
        connect(Command9[std::size_t(k)], &QPushButton::clicked, this, [this, k] { Command9_Click(k); });
    }
    Command5 = button(Frame2, "Command5", QStringLiteral("PUB&G配置表"), twips(120, 720, 1215, 375), small);
    Command7 = button(Frame2, "Command7", QStringLiteral("作者的&NB"), twips(1440, 720, 855, 375), small);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    // Enter in a condition field is the form's default action, the query; no button is
    // made the default, so none gets the default frame.
    for (QLineEdit *field : {Text1, Text2, Text5, Text6, Text7, Text10})
        connect(field, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    // As on Windows, Tab reaches the option group at its chosen option; arrows move within.
    for (QRadioButton *o : {Option1, Option2, Option3}) {
        o->setFocusPolicy(Qt::ClickFocus);
        connect(o, &QRadioButton::toggled, o, [o](bool on) { o->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    // clicked, not toggled: a click on the option already chosen runs the query again
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
}

void Form1::setTabOrderAsDesigned()
{
    QList<QWidget *> order = {Command1, Picture1,    Text3,       Text4,       Command4,    Command6,
                              Command3, Option3,     Option2,     Option1,     Text7,       Text6,
                              Text5,    Text2,       Text1,       Command2,    Text10,      Command8,
                              Command9[3], Command9[2], Command9[1], Command9[0], Command7, Command5,
                              Text8};
    // the example labels and the links come after the designed order, so that it stays
    order.append(QList<QWidget *>(Label2.begin(), Label2.end()));
    order.append(QList<QWidget *>(Label6.begin(), Label6.end()));
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

bool Form1::Form_Load()
{
    const QString part1 = DescrambleText(Title::scrambledPart(1), Title::kKey);
    const QString part2 = DescrambleText(Title::scrambledPart(2), Title::kKey);
    const QString part3 = DescrambleText(Title::scrambledPart(3), Title::kKey);
    setWindowTitle(part1 + part2 + part3);
    Label1->setText(windowTitle());

    if (!m_platform.claimSingleInstance()) {
        const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        m_platform.messageBox(nullptr, QStringLiteral("本软件[") + exe + QStringLiteral("]已运行中，请勿重复.."),
                              part1 + part2, Platform::Icon::Error);
        m_platform.bringRunningCopyForward(windowTitle()); // so the user sees it runs
        return false;
    }

    RecList.FillCpuList();
    RecList.FillGpuList();
    MAXrecn1 = RecordTable::kRecordCount;
    Start1 = QStringLiteral("0");
    selectOption(Option1);
    Start1 = QStringLiteral("1");

    const auto &tierCaptions = ReferenceTables::TierCaptions();

    Label5->setToolTip(QStringLiteral("主查询条件(必选)请输入设备型号等,例如：I7-4790K (支持模糊查询)"));
    Label3->setToolTip(QStringLiteral("[与]条件:查询和主条件同时符合的记录(可选，优先于[或])"));
    Label4->setToolTip(QStringLiteral("[或]条件:查询和主条件或者符合的记录(可选)"));
    Option1->setToolTip(QStringLiteral("同时查询CPU/GPU"));
    Option2->setToolTip(QStringLiteral("仅查询CPU(微处理器)"));
    Option3->setToolTip(QStringLiteral("仅查询GPU(图形处理器)"));
    Command1->setToolTip(QStringLiteral("退出"));
    Command4->setToolTip(QStringLiteral("关于"));
    Command5->setToolTip(QStringLiteral("PUBG配置表"));
    Command2->setToolTip(QStringLiteral("执行查询(请输入设备型号等,例如：I7-4790K (支持模糊查询),可选择与和或的查询条件)"));
    Command3->setToolTip(QStringLiteral("重置查询条件"));
    Command6->setToolTip(QStringLiteral("显示此计算机CPU型号"));
    Command7->setToolTip(QStringLiteral("作者的ThinkPAD P53电脑"));
    Command8->setToolTip(QStringLiteral("前往百度网盘检查本软件更新"));
    for (int k = 0; k < ReferenceTables::kTierCount; ++k)
        Command9[std::size_t(k)]->setToolTip(tierCaptions[std::size_t(k)]);
    Text1->setToolTip(Label5->toolTip());
    Text2->setToolTip(Label3->toolTip());
    Text5->setToolTip(QStringLiteral("查询条件：或1(可选)"));
    Text6->setToolTip(QStringLiteral("查询条件：或2(可选)"));
    Text7->setToolTip(QStringLiteral("查询条件：或3(可选)"));
    Text10->setToolTip(QStringLiteral("查询条件：或4(可选)"));
    Text8->setToolTip(QStringLiteral("查询结果(仅显示前30条)(注：编号首位C代表为CPU，G代表为GPU,两者综合分值不同。"
                                     "数据摘自网上测评，特此感谢，仅供使用者参考)"));

    const auto &examples = ReferenceTables::ExampleDevices();
    for (int k = 0; k < ReferenceTables::kExampleCount; ++k) {
        Label2[std::size_t(k)]->setText(examples[std::size_t(k)]);
        Label2[std::size_t(k)]->setToolTip(Label2[std::size_t(k)]->text());
    }
    const auto &links = ReferenceTables::LinkAddresses();
    for (int k = 0; k < ReferenceTables::kLinkCount; ++k) {
        Label6[std::size_t(k)]->setText(links[std::size_t(k)].mid(8));
        Label6[std::size_t(k)]->setToolTip(links[std::size_t(k)]);
    }
    Label6[7]->setText(QStringLiteral("百度百科：CPU"));
    Label6[8]->setText(QStringLiteral("百度百科：GPU"));
    return true;
}

void Form1::Form_Unload(qint16 &Cancel)
{
    Q_UNUSED(Cancel) // closing the main window is never refused
    if (m_unloading)
        return; // our own close below brings us here again
    m_unloading = true;
    for (int pass = 0; pass < 2; ++pass) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->isVisible())
                window->close();
        }
    }
    hide();
    m_endProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    qint16 cancel = 0;
    Form_Unload(cancel);
    event->accept();
}

void Form1::Command1_Click()
{
    qint16 cancel = 0;
    Form_Unload(cancel);
}

// ---- the query

void Form1::selectOption(QRadioButton *option)
{
    // As with a user's click, selecting from code raises the option's handler once.
    option->setChecked(true);
    if (option == Option1)
        Option1_Click();
    else if (option == Option2)
        Option2_Click();
    else if (option == Option3)
        Option3_Click();
}

void Form1::Option1_Click()
{
    Opt_mark1 = QStringLiteral("1");
    RunQuery();
    EndResultTable();
}

void Form1::Option2_Click()
{
    Opt_mark1 = QStringLiteral("2");
    RunQuery();
    EndResultTable();
}

void Form1::Option3_Click()
{
    Opt_mark1 = QStringLiteral("3");
    RunQuery();
    EndResultTable();
}

void Form1::Command2_Click()
{
    if (Option1->isChecked())
        Option1_Click();
    else if (Option2->isChecked())
        Option2_Click();
    else if (Option3->isChecked())
        Option3_Click();
}

void Form1::Command3_Click()
{
    ii = 0;
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Text4->clear();
    Text5->clear();
    Text6->clear();
    Text7->clear();
    Text10->clear();
    setResultText(QString());
}

void Form1::RunPreparedQuery()
{
    if (Option1->isChecked()) {
        BeginResultTable();
        ii = 0;
        RunQuery();
        EndResultTable();
    } else {
        selectOption(Option1);
    }
}

void Form1::RunQuery()
{
    if (Start1 == u"0")
        return;
    const Conditions c = normaliseConditions(
        {Text1->text(), Text2->text(), Text5->text(), Text6->text(), Text7->text(), Text10->text()});
    if (c.main.isEmpty()) {
        m_platform.messageBox(this, QStringLiteral("Sorry,请在查询框输入设备型号等,例如：I7-4790K (支持组合及模糊查询)!"),
                              kPromptTitle, Platform::Icon::Exclamation);
        Command3_Click();
        return;
    }
    if (!c.andCondition.isEmpty()) {
        Text5->clear();
        Text6->clear();
        Text7->clear();
        Text10->clear();
    }
    // one hit more than the table holds tells that the cap was reached
    const QChar excluded = excludedLetter(Opt_mark1);
    const Lookup::Result found = m_lookup.find(c, excluded, MAXrecn1, ResultTable::kMaxRows + 1);
    BeginResultTable();
    ii = 0;
    m_resultText.prepend(ResultTable::notesAbove(found));
    bool capped = false;
    for (const int slot : found.lists.hits) {
        if (ii >= ResultTable::kMaxRows) {
            flushResultText(); // the note is read with the 30 rows in view
            m_platform.messageBox(this, capNote(found.lists.mode), kPromptTitle, Platform::Icon::Exclamation);
            capped = true;
            break;
        }
        i = slot;
        AppendResultRow();
    }
    if (found.newer.empty()) {
        if (found.lists.hits.empty()) {
            m_resultText += ResultTable::missLine(found.namesGraphics ? QChar(u'C') : excluded);
            m_resultPending = true;
        }
        return;
    }
    // the newer processors, on their own scale, as a second table under the lists' one
    const bool besideLists = !found.lists.hits.empty();
    if (ResultTable::closingLineNeeded(ii))
        m_resultText += ResultTable::frameLine();
    ii = 0;
    m_resultText += ResultTable::newerNoteText(m_lookup.newerTable(), found.newer, besideLists)
        + ResultTable::newerHeaderText();
    for (const int slot : found.newer) {
        if (ii >= ResultTable::kMaxRows) {
            flushResultText();
            if (!capped) // one note a query is enough
                m_platform.messageBox(this, capNote(found.lists.mode), kPromptTitle, Platform::Icon::Exclamation);
            break;
        }
        appendNewerRow(slot);
    }
}

void Form1::BeginResultTable()
{
    setResultText(ResultTable::headerText());
    setCursor(Qt::WaitCursor);
}

void Form1::AppendResultRow()
{
    ++ii;
    m_resultText += ResultTable::rowText(RecList[i]);
    if (ResultTable::frameFollowsRow(ii))
        m_resultText += ResultTable::frameLine();
    m_resultPending = true;
}

void Form1::appendNewerRow(int slot)
{
    ++ii;
    const NewerTable &newer = m_lookup.newerTable();
    m_resultText += ResultTable::newerRowText(newer.records()[slot], newer.score(slot), newer.referenceScore());
    if (ResultTable::frameFollowsRow(ii))
        m_resultText += ResultTable::frameLine();
    m_resultPending = true;
}

void Form1::EndResultTable()
{
    if (ResultTable::closingLineNeeded(ii)) {
        m_resultText += ResultTable::frameLine();
        m_resultPending = true;
    }
    flushResultText();
    unsetCursor();
}

void Form1::setResultText(const QString &text)
{
    m_resultText = text;
    m_resultPending = true;
    flushResultText();
}

void Form1::flushResultText()
{
    if (!m_resultPending)
        return;
    m_resultPending = false;
    Text8->setPlainText(m_resultText);
    // Lines as far apart as the font is high, as the designed box shows them: its table
    // frame then reads as unbroken lines and a whole table nearly fits.
    QTextBlockFormat spacing;
    spacing.setLineHeight(m_table.lineHeight(), QTextBlockFormat::FixedHeight);
    const QSignalBlocker sameText(Text8); // the text is as written; only its spacing changes
    QTextCursor all(Text8->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
    m_table.applyTo(*Text8);
}

// ---- quick queries

void Form1::Command9_Click(int index)
{
    Command3_Click();
    BeginResultTable();
    ii = 0;
    const QString &codes = ReferenceTables::TierCodes().at(std::size_t(index));
    for (i = 1; i <= kTierScanLastSlot; ++i) {
        if (ResultTable::isTierMember(RecList[i], codes))
            AppendResultRow();
    }
    EndResultTable();
    m_resultText += ReferenceTables::TierCaptions().at(std::size_t(index));
    m_resultPending = true;
    flushResultText();
}

void Form1::Label2_Click(int index)
{
    Command3_Click();
    Text1->setText(ReferenceTables::ExampleDevices().at(std::size_t(index)));
    if (index == 11) {
        Text1->setText(QStringLiteral("GeForce"));
        Text2->setText(QStringLiteral("6600"));
    }
    if (index == 12) {
        Text1->setText(QStringLiteral("I3-6100@"));
        Text5->setText(QStringLiteral("I3-7100@"));
        Text6->setText(QStringLiteral("I3-8100@"));
        Text7->setText(QStringLiteral("I3-9100@"));
        Text10->setText(QStringLiteral("I3-10110U"));
    }
    RunPreparedQuery();
}

// ---- this computer's processor, about, update, links

void Form1::Command6_Click()
{
    const QStringList names = m_platform.processorNames();
    const QString report = processorReport(names);
    const QString model = m_lookup.thisProcessor(names, MAXrecn1); // none: the fields stay as they are
    if (!model.isEmpty()) {
        Command3_Click();
        Text1->setText(model);
        RunPreparedQuery();
    }
    m_platform.messageBox(this, report, kPromptTitle, Platform::Icon::Information);
}

void Form1::Command4_Click()
{
    m_platform.messageBox(this, InfoTexts::aboutText(windowTitle()), QStringLiteral("关于"),
                          Platform::Icon::Information);
}

void Form1::Command8_Click()
{
    const Platform::Button answer = m_platform.messageBox(this, InfoTexts::updatePrompt(windowTitle()), kPromptTitle,
                                                          Platform::Icon::Information, Platform::Buttons::YesNo,
                                                          Platform::Button::No);
    if (answer == Platform::Button::Yes)
        openAddress(InfoTexts::updateAddress());
}

void Form1::Label6_Click(int index)
{
    openAddress(QUrl(ReferenceTables::LinkAddresses().at(std::size_t(index))));
}

void Form1::openAddress(const QUrl &address)
{
    // A failure may be heard only later, from the event loop, when the window may be gone.
    m_platform.openAddress(address, [form = QPointer<Form1>(this), address] {
        if (form)
            form->m_platform.messageBox(form, InfoTexts::openFailedText(address), kPromptTitle,
                                        Platform::Icon::Exclamation);
    });
}

// ---- picture windows

void Form1::showPictureForm(QPointer<PictureForm> &form, PictureForm::Kind kind)
{
    if (!form)
        form = new PictureForm(kind);
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized); // a minimised one comes back
    form->show();
    form->raise();
    form->activateWindow();
}

void Form1::Command5_Click()
{
    showPictureForm(m_form2, PictureForm::Kind::GameChart);
}

void Form1::Command7_Click()
{
    showPictureForm(m_form3, PictureForm::Kind::Notebook);
}
