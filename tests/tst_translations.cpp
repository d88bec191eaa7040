// The catalogues: which one the locale chooses, that each is whole, and that
// every window and every step of the wizard still fits its fixed layout in
// each of them and in a pseudo-language a third longer than English.
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "standard/MicrFaceTable.h"
#include "pages/CalibrationPage.h"
#include "answers/ChequeSettings.h"
#include "common/VendorDetails.h"
#include "forms/About.h"
#include "forms/ChequeFile.h"
#include "forms/Gauge.h"
#include "forms/Internet.h"
#include "forms/Measurements.h"
#include "forms/Micr.h"
#include "forms/ScanDeviceDialog.h"
#include "forms/Signature.h"
#include "i18n/Translations.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"
#include "platform/ReadingFields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// Every translatable text a third longer, about as much as French runs over
// English, and accented, so that a text left untranslated stands out:
// every third or fourth letter is doubled, %1 and mnemonics are kept.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *, const char *source, const char *, int) const override
    {
        static const QString plain = QStringLiteral("aeiouyAEIOUcCnN");
        static const QString accented = QStringLiteral("áéíóúýÁÉÍÓÚçÇñÑ");
        const QString text = QString::fromUtf8(source);
        QString out;
        int letters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if ((c == QLatin1Char('%') || c == QLatin1Char('&')) && i + 1 < text.size()) {
                out += c;
                out += text.at(++i);
                continue;
            }
            const qsizetype at = plain.indexOf(c);
            const QChar shown = at < 0 ? c : accented.at(at);
            out += shown;
            if (c.isLetter() && ++letters % 10 % 3 == 2) // 3 letters in 10
                out += shown;
        }
        return out;
    }
};

// The text a control shows: a mnemonic's marker is not drawn.
QString Shown(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString Where(const QWidget *control, const QString &text)
{
    return QStringLiteral("%1 \"%2\"").arg(control->objectName(), text);
}

// Every French text a person reads: the fr_CA catalogue's translations and
// the French help's pages, each named by where it is.
QList<QPair<QString, QString>> FrenchTexts(bool withHelp)
{
    QList<QPair<QString, QString>> texts;
    QFile file(QStringLiteral(MICR_SOURCE_DIR "/i18n/micr-calibration_fr_CA.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader reader(&file);
    QString context;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("name"))
            context = reader.readElementText();
        else if (reader.name() == QLatin1String("translation")) {
            const QString type = reader.attributes().value("type").toString();
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type != "vanished" && type != "obsolete")
                texts.append({context, text});
        }
    }
    if (!withHelp)
        return texts;
    const QDir help(QStringLiteral(MICR_SOURCE_DIR "/docs/help/fr"));
    for (const QString &name : help.entryList({QStringLiteral("*.html")})) {
        QFile page(help.filePath(name));
        if (!page.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(page.readAll()));
        texts.append({name, document.toPlainText()});
    }
    return texts;
}

// A label's text against its contents: one line within the width, wrapped
// text within the height.
void CheckLabel(const QLabel *label, QStringList &faults)
{
    if (!label->pixmap().isNull() || label->text().isEmpty())
        return;
    QString text = label->text();
    if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    const QFontMetrics metrics(label->font());
    const QRect contents = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(contents, int(label->alignment()) | Qt::TextWordWrap, text);
        if (needed.height() > contents.height() || needed.width() > contents.width())
            faults << QStringLiteral("%1 needs %2x%3, has %4x%5")
                          .arg(Where(label, text))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(contents.width())
                          .arg(contents.height());
        return;
    }
    const QStringList lines = Shown(text).split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > contents.width() || int(lines.size()) * metrics.height() > contents.height() + 4)
        faults << QStringLiteral("%1 is %2 wide, has %3").arg(Where(label, text)).arg(widest).arg(contents.width());
}

// A button's caption against the style's own rectangle for it.
void CheckButton(const QAbstractButton *button, QStringList &faults)
{
    const QString text = Shown(button->text());
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(button->font());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    int available = 0;
    int needed = metrics.horizontalAdvance(text);
    QStyle *style = button->style();
    if (qobject_cast<const QRadioButton *>(button)) {
        available = style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
    } else if (qobject_cast<const QToolButton *>(button)) {
        available = button->contentsRect().width();
        if (static_cast<const QToolButton *>(button)->toolButtonStyle() == Qt::ToolButtonTextBesideIcon &&
            !button->icon().isNull())
            needed += button->iconSize().width() + 4;
    } else {
        available = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
    }
    if (needed > available)
        faults << QStringLiteral("%1 is %2 wide, has %3").arg(Where(button, text)).arg(needed).arg(available);
}

void CheckGroupBox(const QGroupBox *box, QStringList &faults)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const int needed = QFontMetrics(box->font()).horizontalAdvance(Shown(box->title()));
    const int available = box->contentsRect().width() - 16; // the frame's corners
    if (needed > available)
        faults << QStringLiteral("%1 is %2 wide, has %3").arg(Where(box, box->title())).arg(needed).arg(available);
}

// Every entry of a list against the field that shows the chosen one.
void CheckComboBox(const QComboBox *combo, QStringList &faults)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int available =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
    const QFontMetrics metrics(combo->font());
    for (int i = 0; i < combo->count(); ++i) {
        const int needed = metrics.horizontalAdvance(combo->itemText(i));
        if (needed > available)
            faults << QStringLiteral("%1 is %2 wide, has %3").arg(Where(combo, combo->itemText(i))).arg(needed).arg(available);
    }
}

void CheckPlaceholder(const QLineEdit *field, QStringList &faults)
{
    if (field->placeholderText().isEmpty())
        return;
    const int needed = QFontMetrics(field->font()).horizontalAdvance(field->placeholderText());
    const int available = field->contentsRect().width() - 4; // the frame and the text's margin
    if (needed > available)
        faults << QStringLiteral("%1 is %2 wide, has %3")
                      .arg(Where(field, field->placeholderText()))
                      .arg(needed)
                      .arg(available);
}

// Every visible text of `window` against its control, and every control
// within its parent, where it would be cut off; `client` is the area a fixed
// window was designed with.
QStringList LayoutFaults(QWidget *window, QRect client = {})
{
    QStringList faults;
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisible() || control->window() != window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(control))
            CheckLabel(label, faults);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            CheckButton(button, faults);
        else if (auto *box = qobject_cast<QGroupBox *>(control))
            CheckGroupBox(box, faults);
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            CheckComboBox(combo, faults);
        else if (auto *field = qobject_cast<QLineEdit *>(control))
            CheckPlaceholder(field, faults);
        else
            continue;
        // Pictures are drawn from their corner and cut off by design.
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->pixmap().isNull())
            continue;
        QWidget *parent = control->parentWidget();
        const QRect room = parent->objectName() == QLatin1String("ClientArea") && client.isValid()
                               ? client
                               : parent->rect();
        if (!room.contains(control->geometry()))
            faults << QStringLiteral("%1 at %2,%3 %4x%5 is cut off by %6")
                          .arg(control->objectName())
                          .arg(control->x())
                          .arg(control->y())
                          .arg(control->width())
                          .arg(control->height())
                          .arg(parent->objectName());
    }
    return faults;
}

// The wizard as the program makes it, for one catalogue: the forms take
// their texts when they are built, and the wizard builds each dialog when
// it is first opened.
struct WindowSet
{
    std::unique_ptr<TForm1> wizard;

    WindowSet()
    {
        wizard = std::make_unique<TForm1>();
        Form1 = wizard.get();
    }

    ~WindowSet()
    {
        Form1 = nullptr;
    }

    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;
};

const QRect WizardClient(0, 0, 457, 324);

// Every text `window` shows or says: captions, labels, tooltips, titles,
// list entries and placeholders of its visible controls.
QStringList VisibleTexts(QWidget *window)
{
    QStringList texts = {window->windowTitle(), window->toolTip()};
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisible() || control->window() != window)
            continue;
        texts << control->toolTip() << control->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(control)) {
            QTextDocument document;
            document.setHtml(label->text());
            texts << (Qt::mightBeRichText(label->text()) ? document.toPlainText() : label->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            texts << button->text();
        } else if (auto *box = qobject_cast<QGroupBox *>(control)) {
            texts << box->title();
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
            texts << field->placeholderText();
        } else if (auto *tree = qobject_cast<QTreeWidget *>(control)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The names a text may carry untranslated: the vendor's, the faces', the
// product's. Taken from where the program takes them.
QStringList Names()
{
    QStringList names = {QLatin1String(Vendor::CompanyName), QLatin1String(Vendor::StreetAddress),
                         QLatin1String(Vendor::CityLine),    QLatin1String(Vendor::WebHost),
                         QLatin1String(Vendor::GaugeWebHost), QStringLiteral("Tolvane MICR Fonts"),
                         QStringLiteral("Tolvane MICR Font Set"), QStringLiteral("MICR Font Set"),
                         QStringLiteral("micr-calibration-page"), QStringLiteral("micr-calibration")};
    names << SecurityFaces();
    for (ChequeProgram program : {ChequeProgram::FreeCheck, ChequeProgram::GnuCash, ChequeProgram::Odoo})
        names << ChequeProgramName(program);
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        for (FontWeightChoice weight : {FontWeightChoice::Standard, FontWeightChoice::Bold}) {
            names << QLatin1String(MicrFaceName(line, weight));
            // The face's PostScript name, as FreeCheck's settings name it.
            if (const std::optional<MicrFaceMetrics> face = ReadMicrFaceMetrics(QLatin1String(MicrFaceName(line, weight))))
                names << face->postScriptName;
        }
    }
    // Longest first, so that no name is cut by a shorter one inside it.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return names;
}

// The words of `text` that no translation went through. Under the pseudo
// catalogue a translated word has its a, c, e, i, n, o, u and y accented
// (but for a mnemonic's letter), so a word with one of them plain and none
// accented was never looked up. Names, file names, paths, addresses,
// options and capitals (MICR, FILE, CUPS) stay as they are in every
// language.
QStringList UntranslatedWords(QString text, const QStringList &commands = {})
{
    static const QStringList names = Names();
    for (const QString &name : names)
        text.replace(name, QStringLiteral(" "));
    text = Shown(text);
    // What the user typed, said back in quotes.
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\"|«[^»]*»"));
    text.replace(quoted, QStringLiteral(" "));
    static const QRegularExpression plain(QStringLiteral("[aceinouyACEINOUY]"));
    static const QRegularExpression accented(QStringLiteral("[áéíóúýÁÉÍÓÚçÇñÑ]"));
    static const QRegularExpression edges(QStringLiteral("^[(\"«'“]+|[.,;:!?)\"»'”]+$"));
    QStringList found;
    for (QString token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        token.remove(edges);
        if (token.startsWith(QLatin1Char('-')) || token.contains(QRegularExpression(QStringLiteral("[./=@~_<>|]")))
            || commands.contains(token))
            continue;
        for (const QString &word : token.split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts)) {
            if (word.size() > 1 && word != word.toUpper() && word.contains(plain) && !word.contains(accented))
                found << word;
        }
    }
    return found;
}

// The French catalogue's sources with the pseudo-language's translations,
// compiled as micr-calibration_fr_CA.qm into a folder of its own; empty
// where that fails.
QString PseudoCatalogueDir()
{
    static QTemporaryDir dir;
    QFile french(QStringLiteral(MICR_SOURCE_DIR "/i18n/micr-calibration_fr_CA.ts"));
    QFile pseudo(dir.filePath(QStringLiteral("pseudo.ts")));
    if (!french.open(QIODevice::ReadOnly) || !pseudo.open(QIODevice::WriteOnly))
        return {};
    const PseudoTranslator translator;
    QXmlStreamReader reader(&french);
    QXmlStreamWriter writer(&pseudo);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("fr_CA"));
    QByteArray context;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("name")) {
            context = reader.readElementText().toUtf8();
        } else if (reader.name() == QLatin1String("source")) {
            const QString source = reader.readElementText();
            writer.writeStartElement(QStringLiteral("context"));
            writer.writeTextElement(QStringLiteral("name"), QString::fromUtf8(context));
            writer.writeStartElement(QStringLiteral("message"));
            writer.writeTextElement(QStringLiteral("source"), source);
            writer.writeTextElement(QStringLiteral("translation"),
                                    translator.translate(context.constData(), source.toUtf8().constData(), nullptr, -1));
            writer.writeEndElement();
            writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    pseudo.close();
    const int compiled = QProcess::execute(QStringLiteral(MICR_LRELEASE),
                                           {QStringLiteral("-silent"), pseudo.fileName(), QStringLiteral("-qm"),
                                            dir.filePath(QStringLiteral("micr-calibration_fr_CA.qm"))});
    return compiled == 0 ? dir.path() : QString();
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
    QStringList faults_;
    bool pseudo_ = false;
    QStringList *collected_ = nullptr; // every visible text, where it is asked for

    // Every window and every step, as the user reaches them.
    void WalkWindows(const QString &catalogue)
    {
        WindowSet windows;
        TForm1 *wizard = windows.wizard.get();
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard));
        Record(catalogue + " step 1", wizard, WizardClient);
        WalkModal(wizard, "BuyNow", catalogue + " ordering");
        WalkModal(wizard, "BitBtn1", catalogue + " signature");
        WalkModal(wizard, "SpeedButton1", catalogue + " about");
        WalkModal(wizard, "Gauge", catalogue + " gauge");
        WalkModal(wizard, "PrintersButton", catalogue + " printers");
        auto printDialog = AnswerNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
        wizard->findChild<QAbstractButton *>("NextButton")->click();
        QVERIFY(*printDialog);
        Record(catalogue + " step 2", wizard, WizardClient);
        WalkModal(wizard, "MeasureButton", catalogue + " measurements");
        wizard->findChild<QAbstractButton *>("NextButton")->click();
        Record(catalogue + " step 3", wizard, WizardClient);
        WalkModal(wizard, "PlacementButton", catalogue + " placement");
        WalkModal(wizard, "MicrLineButton", catalogue + " my MICR line");
        // With a file read: the faults, the moves and the drawing shown.
        auto chequeFile = AnswerNextModal([&](QWidget *modal) {
            auto *chequeFile = qobject_cast<TChequeFile *>(modal);
            chequeFile->Open(QStringLiteral(MICR_SOURCE_DIR "/tests/data/weasyprint.pdf"));
            Record(catalogue + " check file reading", modal);
            QTRY_VERIFY_WITH_TIMEOUT(!chequeFile->Reading(), 15000);
            modal->findChild<QComboBox *>("ProgramChoice")->setCurrentIndex(1);
            Record(catalogue + " check file", modal);
            static_cast<QDialog *>(modal)->reject();
        });
        wizard->findChild<QAbstractButton *>("ChequeFileButton")->click();
        QVERIFY(*chequeFile);
        // The Scan dialog once it has looked for scanners and found none
        // (SANE with no backend, initTestCase), its longest message shown.
        ScanDeviceDialog scan(wizard);
        scan.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scan));
        QTRY_VERIFY_WITH_TIMEOUT(scan.findChild<QAbstractButton *>("Refresh")->isEnabled(), 30000);
        Record(catalogue + " scan", &scan);
    }

    void Record(const QString &where, QWidget *window, QRect client = {})
    {
        if (collected_) {
            for (const QString &text : VisibleTexts(window))
                collected_->append(where + QStringLiteral(": ") + text);
        }
        const QString shots = qEnvironmentVariable("MICR_TRANSLATION_SHOTS");
        if (!shots.isEmpty())
            window->grab().save(QStringLiteral("%1/%2.png").arg(shots, QString(where).replace(' ', '-')));
        // The windows laid out by position have less room than a third
        // more text; there the pseudo-language only shows where a real
        // catalogue must word it shorter, and each real one must fit.
        const bool mustFit = !pseudo_ || window->layout() != nullptr;
        for (const QString &fault : LayoutFaults(window, client)) {
            if (mustFit)
                faults_ << where + QStringLiteral(": ") + fault;
            else
                qInfo("%s: %s (a third longer)", qPrintable(where), qPrintable(fault));
        }
    }

    // Opens a window through the wizard's control and walks it while it is up.
    void WalkModal(TForm1 *wizard, const char *opener, const QString &where)
    {
        auto seen = AnswerNextModal([&](QWidget *modal) {
            Record(where, modal);
            static_cast<QDialog *>(modal)->reject();
        });
        wizard->findChild<QAbstractButton *>(QLatin1String(opener))->click();
        QVERIFY2(*seen, opener);
    }

private slots:
    void initTestCase()
    {
        CopyGlyphFiles(dir_.path());
        QDir::setCurrent(dir_.path());
        // SANE with no backend: the Scan dialog finds no scanner, and no
        // real one is probed.
        QFile backends(dir_.filePath(QStringLiteral("dll.conf")));
        QVERIFY(backends.open(QIODevice::WriteOnly));
        backends.close();
        qputenv("SANE_CONFIG_DIR", dir_.path().toLocal8Bit());
    }

    void catalogueForLocale_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Quebec") << QByteArray() << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << "fr_CA";
        QTest::newRow("France") << QByteArray() << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << "fr_CA";
        QTest::newRow("Ontario") << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_CA.UTF-8") << "en_CA";
        QTest::newRow("Britain") << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << "en_CA";
        QTest::newRow("United States") << QByteArray() << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << "";
        QTest::newRow("C") << QByteArray() << QByteArray() << QByteArray() << QByteArray("C") << "";
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << "";
        QTest::newRow("German: none of ours") << QByteArray() << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "";
        QTest::newRow("LC_MESSAGES over LANG") << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << QByteArray("en_US.UTF-8") << "fr_CA";
        QTest::newRow("LC_ALL over LC_MESSAGES") << QByteArray() << QByteArray("en_GB.UTF-8") << QByteArray("fr_CA.UTF-8") << QByteArray() << "en_CA";
        QTest::newRow("LANGUAGE over LC_ALL") << QByteArray("fr_CA:en") << QByteArray("en_US.UTF-8") << QByteArray() << QByteArray() << "fr_CA";
        QTest::newRow("LANGUAGE's first we have") << QByteArray("de:it:en_GB:fr") << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << "en_CA";
        QTest::newRow("LANGUAGE's US English first") << QByteArray("en_US:fr") << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << "";
        QTest::newRow("LANGUAGE with nothing of ours") << QByteArray("de:it") << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8") << "fr_CA";
        QTest::newRow("LANGUAGE under C ignored") << QByteArray("fr") << QByteArray("C") << QByteArray() << QByteArray("fr_CA.UTF-8") << "";
        QTest::newRow("LANGUAGE alone, no locale: ignored") << QByteArray("fr_CA") << QByteArray() << QByteArray() << QByteArray() << "";
        QTest::newRow("LANGUAGE under POSIX ignored") << QByteArray("fr_CA:en") << QByteArray() << QByteArray("POSIX") << QByteArray("fr_CA.UTF-8") << "";
        QTest::newRow("LANGUAGE under C.UTF-8 ignored") << QByteArray("fr") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << "";
        QTest::newRow("modifier") << QByteArray() << QByteArray() << QByteArray() << QByteArray("fr_CA.UTF-8@euro") << "fr_CA";
        QTest::newRow("language alone") << QByteArray() << QByteArray() << QByteArray() << QByteArray("fr") << "fr_CA";
    }

    void catalogueForLocale()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QFETCH(QString, catalogue);
        QCOMPARE(I18n::CatalogueFor({language, lcAll, lcMessages, lang}), catalogue);
    }

    // As the program starts in Quebec: its own catalogue and Qt's, so the
    // print dialog speaks French too.
    void installedFromTheEnvironment()
    {
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(name);
        const QByteArray before = qgetenv("LANG");
        qputenv("LANG", "fr_CA.UTF-8");
        QCOMPARE(I18n::InstallTranslations(*qApp), QString("fr_CA"));
        qputenv("LANG", before);
        const QString next = QCoreApplication::translate("TForm1", "&Next");
        const QString print = QCoreApplication::translate("QPrintDialog", "Print");
        const auto installed = qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly);
        for (QTranslator *translator : installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QCOMPARE(installed.size(), 2);
        QVERIFY2(next != "&Next", qPrintable(next));
        QVERIFY2(print != "Print", qPrintable(print));
        QCOMPARE(QCoreApplication::translate("TForm1", "&Next"), QString("&Next"));
    }

    // Each catalogue has a finished translation of every text, with the
    // same place markers and one mnemonic where the source has one.
    void cataloguesAreWhole_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("fr_CA") << "fr_CA";
        QTest::newRow("en_CA") << "en_CA";
    }

    void cataloguesAreWhole()
    {
        QFETCH(QString, catalogue);
        QFile file(QStringLiteral(MICR_SOURCE_DIR "/i18n/micr-calibration_%1.ts").arg(catalogue));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QString source;
        // Within a window, one text to an Alt key.
        QHash<QChar, QString> keys;
        static const QRegularExpression mnemonic(QStringLiteral("&([^&\\s])"));
        int messages = 0;
        static const QRegularExpression markers(QStringLiteral("%\\d"));
        auto sorted = [](const QString &text) {
            QStringList found;
            for (auto match = markers.globalMatch(text); match.hasNext();)
                found << match.next().captured();
            found.sort();
            return found;
        };
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("TS"))
                QCOMPARE(reader.attributes().value("language").toString(), catalogue);
            else if (reader.name() == QLatin1String("context"))
                keys.clear();
            else if (reader.name() == QLatin1String("source"))
                source = reader.readElementText();
            else if (reader.name() == QLatin1String("translation")) {
                const QString type = reader.attributes().value("type").toString();
                const QString translation = reader.readElementText();
                if (type == "vanished" || type == "obsolete")
                    continue;
                ++messages;
                QVERIFY2(type.isEmpty() && !translation.isEmpty(), qPrintable(source));
                QCOMPARE(sorted(translation), sorted(source));
                QCOMPARE(Shown(translation).size() < translation.size(), Shown(source).size() < source.size());
                const QRegularExpressionMatch key = mnemonic.match(QString(translation).remove("&&"));
                if (key.hasMatch()) {
                    const QString other = keys.value(key.captured(1).at(0).toLower(), translation);
                    QVERIFY2(other == translation, qPrintable(translation + " and " + other));
                    keys.insert(key.captured(1).at(0).toLower(), translation);
                }
            }
        }
        QVERIFY(!reader.hasError());
        QVERIFY(messages > 150);
    }

    // One French word for each term (i18n/glossary_fr_CA.tsv): no French
    // text uses a word the glossary turns away.
    void glossaryHolds_data()
    {
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("refused");
        QFile file(QStringLiteral(MICR_SOURCE_DIR "/i18n/glossary_fr_CA.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QStringList columns = line.split(QLatin1Char('\t'));
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            QCOMPARE(columns.size(), 3);
            QTest::newRow(qPrintable(columns.at(0))) << columns.at(1) << columns.at(2);
        }
    }

    void glossaryHolds()
    {
        QFETCH(QString, french);
        QFETCH(QString, refused);
        const QRegularExpression other(refused, QRegularExpression::UseUnicodePropertiesOption);
        QVERIFY2(other.isValid(), qPrintable(other.errorString()));
        const auto texts = FrenchTexts(true);
        QVERIFY(texts.size() > 150);
        QStringList found;
        for (const auto &[where, text] : texts) {
            if (const QRegularExpressionMatch match = other.match(text); match.hasMatch())
                found << QStringLiteral("%1: \"%2\" for \"%3\"").arg(where, match.captured(), french);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // French typography as the OQLF has it, over the fr_CA catalogue. A
    // command to type (an example's indented line, a quoted argument with
    // "=") is left as the shell reads it.
    void frenchTypography_data()
    {
        QTest::addColumn<QString>("fault");
        const QString names = QStringLiteral("(?!Ghostscript|GnuCash|FreeCheck|Odoo|PostScript|Wayland)");
        QTest::newRow("space before : ; ? !") << QStringLiteral("[^\\x{a0}\\x{202f}][:;?!](?=\\s|$)");
        QTest::newRow("space inside guillemets") << QStringLiteral("«(?![\\x{a0}\\x{202f}])|(?<![\\x{a0}\\x{202f}])»");
        QTest::newRow("capital after a colon") << QStringLiteral("[\\x{a0}\\x{202f}]: %1\\p{Lu}\\p{Ll}").arg(names);
        QTest::newRow("number and unit apart") << QStringLiteral("(\\d|%\\d)[ \\n](po|pouces?|mm|cm|ppp|points?|%)(?!\\w)");
        QTest::newRow("straight quotes") << QStringLiteral("\\\"");
    }

    void frenchTypography()
    {
        QFETCH(QString, fault);
        const QRegularExpression rule(fault, QRegularExpression::UseUnicodePropertiesOption);
        QVERIFY2(rule.isValid(), qPrintable(rule.errorString()));
        static const QRegularExpression command(QStringLiteral("^\\s+%1 .*$|«[^»]*=[^»]*»"),
                                                QRegularExpression::MultilineOption);
        QStringList found;
        for (auto [where, text] : FrenchTexts(false)) {
            text.remove(command);
            if (const QRegularExpressionMatch match = rule.match(text); match.hasMatch())
                found << QStringLiteral("%1: …%2…").arg(where, text.mid(qMax(0, match.capturedStart() - 30), 60));
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // The vendor's details are names and numbers: the same in every
    // language, only the words around them translated.
    void vendorDetailsStay_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("US English") << "";
        QTest::newRow("fr_CA") << "fr_CA";
    }

    void vendorDetailsStay()
    {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(catalogue.isEmpty() || translator.load(I18n::CatalogueResource(catalogue)));
        QCoreApplication::installTranslator(&translator);
        const TForm3 about;
        const TConnect ordering;
        QCoreApplication::removeTranslator(&translator);
        auto text = [](const QWidget *window, const char *name) {
            return window->findChild<QLabel *>(QLatin1String(name))->text();
        };
        QCOMPARE(text(&about, "StaticText2"), QString("Tolvane Fonts, Inc."));
        QCOMPARE(text(&about, "StaticText3"), QString("1200 Harbor Way, Suite 4"));
        QCOMPARE(text(&about, "StaticText4"), QString("Port Alder, WA 98001"));
        QVERIFY(text(&about, "StaticText5").endsWith(" 206-555-0147"));
        QCOMPARE(text(&about, "StaticText8"), QString("www.tolvane.example"));
        QCOMPARE(text(&about, "StaticText7"), QString("www.micrgauge.example"));
        QVERIFY(text(&ordering, "Label11").endsWith(" 800-555-0149"));
        QCOMPARE(text(&ordering, "Label1"), QString("MICR Font Set"));
    }

    // A reading typed into a window, as each locale writes numbers: a
    // decimal comma where the locale has one, the point everywhere, and a
    // thousands separator before three digits refused (with the reading
    // it could mean offered).
    void typedLengths_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("inches"); // 0: refused
        QTest::addColumn<QString>("offered");
        const double mm = 1 / 25.4;
        QTest::newRow("fr_CA comma") << "fr_CA" << "7,03" << 7.03 << "";
        QTest::newRow("fr_CA point") << "fr_CA" << "7.03" << 7.03 << "";
        QTest::newRow("fr_CA mm") << "fr_CA" << "179,3 mm" << 179.3 * mm << "";
        QTest::newRow("fr_CA three decimals") << "fr_CA" << "7,062" << 7.062 << "";
        QTest::newRow("fr_CA fraction") << "fr_CA" << "7 1/16" << 7.0625 << "";
        QTest::newRow("fr_CA pouces") << "fr_CA" << "7,03 po" << 7.03 << "";
        QTest::newRow("fr_CA two commas") << "fr_CA" << "7,0,3" << 0.0 << "";
        QTest::newRow("en_US point") << "en_US" << "7.03" << 7.03 << "";
        QTest::newRow("en_US comma, two decimals") << "en_US" << "7,03" << 7.03 << "";
        QTest::newRow("en_US thousands?") << "en_US" << "7,062" << 0.0 << "7.062";
        QTest::newRow("en_US thousands? in mm") << "en_US" << "179,300 mm" << 0.0 << "179.300 mm";
        QTest::newRow("en_US three decimals") << "en_US" << "7.062" << 7.062 << "";
        QTest::newRow("de_DE thousands?") << "de_DE" << "7.062" << 0.0 << "7,062";
        QTest::newRow("de_DE comma") << "de_DE" << "7,062" << 7.062 << "";
        QTest::newRow("C thousands?") << "C" << "7,062" << 0.0 << "7.062";
    }

    void typedLengths()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(double, inches);
        QFETCH(QString, offered);
        QString error;
        const std::optional<double> read =
            Platform::ParseTypedLength(typed, SampleLineRange(), QLocale(locale), &error);
        QCOMPARE(read.has_value(), inches > 0);
        if (read)
            QVERIFY2(std::abs(*read - inches) < 1e-9, qPrintable(QString::number(*read)));
        else
            QVERIFY2(!error.isEmpty() && error.contains(offered), qPrintable(error));
    }

    // The same in the Measurements window, as the user's locale has it.
    void measurementsWindowReadsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("fr_CA comma") << "fr_CA" << "7,03" << true;
        QTest::newRow("fr_CA mm") << "fr_CA" << "179,3 mm" << true;
        QTest::newRow("en_US comma, two decimals") << "en_US" << "7,03" << true;
        QTest::newRow("en_US thousands?") << "en_US" << "7,062" << false;
    }

    void measurementsWindowReadsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        PrinterSession session;
        TMeasurements measurements(session);
        QString refusal;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *field = modal->findChild<QLineEdit *>(QStringLiteral("LengthField3"));
            QTest::keyClicks(field, typed);
            refusal = field->accessibleDescription();
            static_cast<QDialog *>(modal)->reject();
        });
        measurements.Ask();
        QLocale::setDefault(before);
        QVERIFY(*seen);
        QVERIFY2(refusal.isEmpty() == accepted, qPrintable(refusal));
    }

    void layoutsHold_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const char *catalogue : {"", "en_CA", "fr_CA", "pseudo"})
            QTest::newRow(*catalogue ? catalogue : "US English") << QString(catalogue);
    }

    void layoutsHold()
    {
        QFETCH(QString, catalogue);
        pseudo_ = catalogue == "pseudo";
        if (pseudo_) {
            translator_ = std::make_unique<PseudoTranslator>();
        } else if (!catalogue.isEmpty()) {
            translator_ = std::make_unique<QTranslator>();
            QVERIFY(translator_->load(I18n::CatalogueResource(catalogue)));
            // Qt's own, as the program loads it: the standard buttons.
            if (catalogue.startsWith("fr")) {
                qtTranslator_ = std::make_unique<QTranslator>();
                QVERIFY(qtTranslator_->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
                QCoreApplication::installTranslator(qtTranslator_.get());
            }
        }
        if (translator_)
            QCoreApplication::installTranslator(translator_.get());
        faults_.clear();
        WalkWindows(catalogue);
        for (const auto &translator : {translator_.get(), qtTranslator_.get()}) {
            if (translator)
                QCoreApplication::removeTranslator(translator);
        }
        translator_.reset();
        qtTranslator_.reset();
        for (const QString &fault : std::as_const(faults_))
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults_.isEmpty(), "texts that do not fit, listed above");
    }

    // Under the pseudo catalogue, every text a window or step shows went
    // through a translation: one that did not names itself here.
    void windowsLeaveNothingUntranslated()
    {
        PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        pseudo_ = true;
        QStringList texts;
        collected_ = &texts;
        WalkWindows(QStringLiteral("pseudo"));
        collected_ = nullptr;
        faults_.clear();
        QCoreApplication::removeTranslator(&pseudo);
        QVERIFY(texts.size() > 100);
        QStringList untranslated;
        for (const QString &text : std::as_const(texts)) {
            const qsizetype colon = text.indexOf(QLatin1String(": "));
            const QStringList words = UntranslatedWords(text.mid(colon + 2));
            if (!words.isEmpty())
                untranslated << QStringLiteral("%1 (%2)").arg(text, words.join(QLatin1Char(' ')));
        }
        untranslated.removeDuplicates();
        for (const QString &text : std::as_const(untranslated))
            qWarning("untranslated: %s", qPrintable(text));
        QVERIFY2(untranslated.isEmpty(), "texts that reach the screen untranslated, listed above");
    }

    // The exporter's text and help under the pseudo catalogue, compiled by
    // lrelease from the French catalogue's sources and tried through
    // MICR_CATALOGUE_DIR: a line with a word no translation went through
    // names itself.
    void exporterLeavesNothingUntranslated_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList commands = {"page", "measure", "place", "line", "check-line", "cheque", "profiles", "fonts",
                                      "settings"};
        QTest::newRow("--help") << QStringList{"--help"};
        for (const QString &command : commands)
            QTest::newRow(qPrintable(command + " --help")) << QStringList{command, "--help"};
        QTest::newRow("measure") << QStringList{"measure", "3=7.01,5=7.1"};
        QTest::newRow("place") << QStringList{"place", "bar=7,right=0.32,bottom=0.19"};
        QTest::newRow("line") << QStringList{"line", "layout=us,routing=021000021,onus=123456789C"};
        QTest::newRow("line with faults") << QStringList{"line", "layout=ca,branch=1234,institution=001,onus=12C"};
        QTest::newRow("check-line") << QStringList{"check-line", "C123456789C A021000021A"};
        QTest::newRow("fonts") << QStringList{"fonts"};
        QTest::newRow("refused") << QStringList{"fonts", "--bold"};
        QTest::newRow("no such command") << QStringList{"mesure"};
        QTest::newRow("bad reading") << QStringList{"measure", "3=70"};
        QTest::newRow("no such folder") << QStringList{"page", "-o", "/no-such-folder/page.pdf"};
    }

    void exporterLeavesNothingUntranslated()
    {
        QFETCH(QStringList, arguments);
        static const QString catalogues = PseudoCatalogueDir();
        QVERIFY(!catalogues.isEmpty());
        QProcess exporter;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert("LANG", "fr_CA.UTF-8");
        environment.insert("MICR_CATALOGUE_DIR", catalogues);
        exporter.setProcessEnvironment(environment);
        exporter.start(QStringLiteral(MICR_PAGE_EXPORTER), arguments);
        QVERIFY(exporter.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(exporter.readAllStandardOutput()) + QString::fromUtf8(exporter.readAllStandardError());
        QVERIFY(!output.trimmed().isEmpty());
        // The commands' names, a value's name, the headings of Qt's own
        // help, which its French catalogue words as English does, and the
        // "et" the locale joins a list with.
        static const QStringList commands = {"page",     "measure", "place",    "line", "check-line", "cheque",  "scan",
                                             "profiles", "fonts",   "settings", "help", "XxY",        "Options", "Arguments",
                                             "et"};
        QStringList untranslated;
        for (const QString &line : output.split(QLatin1Char('\n'))) {
            const QStringList words = UntranslatedWords(line, commands);
            if (!words.isEmpty())
                untranslated << QStringLiteral("%1 (%2)").arg(line, words.join(QLatin1Char(' ')));
        }
        for (const QString &line : std::as_const(untranslated))
            qWarning("untranslated: %s", qPrintable(line));
        QVERIFY2(untranslated.isEmpty(), "lines that reach the terminal untranslated, listed above");
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    Platform::InstallFaceSubstitutes();
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
