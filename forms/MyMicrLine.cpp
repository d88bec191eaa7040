#include "MyMicrLine.h"

#include "answers/Readings.h"
#include "wording/Wording.h"
#include "platform/FormLayout.h"
#include "platform/KeyStop.h"
#include "platform/MicrLinePreview.h"
#include "platform/ReadingFields.h"
#include "wording/LineWording.h"
#include "wording/ReadingWording.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

namespace {
// A field a fault names is tinted, as well as the fault listed.
const QColor FaultyFieldTint(255, 220, 220);
} // namespace

TMyMicrLine::TMyMicrLine(PagePrinter print, QWidget *owner)
    : QDialog(owner), print_(std::move(print)), preview_(new Platform::MicrLinePreview(this))
{
    setupUi(this);
    PreviewHolder->addWidget(preview_);
    Platform::OpenHelpOnF1(this, QStringLiteral("help/micr-line.html"));
    Platform::KeepReturnInFields(this);
    LayoutChoice->setItemData(0, int(MicrLayout::US));
    LayoutChoice->setItemData(1, int(MicrLayout::Canada));
    connect(LayoutChoice, &QComboBox::currentIndexChanged, this, &TMyMicrLine::Recompose);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        connect(field, &QLineEdit::textChanged, this, &TMyMicrLine::Recompose);
    connect(CopyButton, &QPushButton::clicked, this, &TMyMicrLine::Copy);
    connect(PrintButton, &QPushButton::clicked, this, &TMyMicrLine::PrintPage);
    Recompose();
}

void TMyMicrLine::Ask(CalibrationLine line, FontWeightChoice weight, const std::optional<PlacementRecord> &placement,
                      const std::optional<MicrFields> &remembered, const ChequeStock &paperStock)
{
    // Another printer's line is never shown for this one.
    MicrFields fresh;
    fresh.layout = HomeMicrLayout(QLocale());
    const MicrFields fields = remembered.value_or(fresh);
    {
        const QSignalBlocker blockLayout(LayoutChoice);
        LayoutChoice->setCurrentIndex(LayoutChoice->findData(int(fields.layout)));
        for (const auto &[field, text] : {std::pair{RoutingField, fields.routing}, {BranchField, fields.branch},
                                          {InstitutionField, fields.institution}, {OnUsField, fields.onUs},
                                          {AuxField, fields.auxOnUs}, {CodeField, fields.processingCode}}) {
            const QSignalBlocker blockField(field);
            field->setText(text);
        }
    }
    layout_.line = line;
    layout_.weight = weight;
    placement_ = placement;
    layout_.cheque = placement ? placement->cheque : ChequePosition::Top;
    layout_.stock = placement ? placement->stock : paperStock;
    Recompose();
    LayoutChoice->setFocus();
    exec();
}

MicrFields TMyMicrLine::Fields() const
{
    MicrFields fields;
    fields.layout = MicrLayout(LayoutChoice->currentData().toInt());
    const bool us = fields.layout == MicrLayout::US;
    fields.routing = us ? RoutingField->text() : QString();
    fields.branch = us ? QString() : BranchField->text();
    fields.institution = us ? QString() : InstitutionField->text();
    fields.onUs = OnUsField->text();
    fields.auxOnUs = AuxField->text();
    fields.processingCode = us ? CodeField->text() : QString();
    return fields;
}

void TMyMicrLine::Recompose()
{
    const MicrFields fields = Fields();
    const bool us = fields.layout == MicrLayout::US;
    for (QWidget *widget : {static_cast<QWidget *>(RoutingLabel), static_cast<QWidget *>(RoutingField),
                            static_cast<QWidget *>(CodeLabel), static_cast<QWidget *>(CodeField)})
        widget->setVisible(us);
    for (QWidget *widget : {static_cast<QWidget *>(BranchLabel), static_cast<QWidget *>(BranchField),
                            static_cast<QWidget *>(InstitutionLabel), static_cast<QWidget *>(InstitutionField)})
        widget->setVisible(!us);
    line_ = ComposeMicrLine(fields);

    // Each fault marks the field it is about.
    const struct
    {
        QLineEdit *field;
        MicrPart part;
    } parts[] = {{RoutingField, MicrPart::Routing}, {BranchField, MicrPart::Branch},
                 {InstitutionField, MicrPart::Institution}, {OnUsField, MicrPart::OnUs},
                 {AuxField, MicrPart::AuxOnUs}, {CodeField, MicrPart::ProcessingCode}};
    for (const auto &entry : parts) {
        QStringList faults;
        for (const MicrLineFault &fault : line_.faults) {
            if (fault.part == entry.part)
                faults << Wording::LineFault(Wording::For::Reader, fault);
        }
        QPalette palette = entry.field->parentWidget()->palette();
        if (!faults.isEmpty())
            palette.setColor(QPalette::Base, FaultyFieldTint);
        entry.field->setPalette(palette);
        entry.field->setAccessibleDescription(faults.join(QLatin1Char(' ')));
    }

    QString widthProblem;
    const std::optional<double> width =
        WidthField->text().trimmed().isEmpty()
            ? std::optional<double>(DefaultChequeWidthInches)
            : Platform::ParseTypedLength(WidthField->text(), ChequeWidthRange(), QLocale(), &widthProblem);
    QPalette widthPalette = WidthField->parentWidget()->palette();
    if (!width)
        widthPalette.setColor(QPalette::Base, FaultyFieldTint);
    WidthField->setPalette(widthPalette);

    preview_->SetLine(line_, QString::fromLatin1(MicrFaceName(layout_.line, layout_.weight)));
    TypeText->setText(line_.empty() ? QString()
                                    : tr("Type, in %1: %2\nor with punctuation: %3")
                                          .arg(QString::fromLatin1(MicrFaceName(layout_.line, layout_.weight)),
                                               line_.letters, line_.punctuation));
    QString where;
    if (!line_.empty() && width) {
        const double left = MicrLineLeftInches(line_, *width);
        where = tr("In check-printing software: the line's left end %1 from the check's left edge, "
                   "its baseline %2 above the bottom edge.")
                    .arg(FormatLength(left), FormatLength(MicrLineBaselineInches()));
        if (placement_)
            where += QLatin1Char(' ') + tr("With this printer's correction (%1): left end %2, baseline %3.")
                         .arg(Wording::Date(Wording::For::Reader, placement_->taken), FormatLength(MovedInches(left, placement_->moveRight)),
                              FormatLength(MovedInches(MicrLineBaselineInches(), placement_->moveUp)));
    } else if (!width) {
        where = tr("Check width: %1").arg(widthProblem);
    }
    WhereText->setText(where);
    FaultText->setText(line_.faults.empty() ? tr("No faults: every field stands in its positions.")
                                            : Wording::LineFaults(Wording::For::Reader, line_.faults).join(QLatin1Char('\n')));
    CopyButton->setEnabled(!line_.empty());
    PrintButton->setEnabled(!line_.empty());
    Platform::GrowToFitText(this);
}

void TMyMicrLine::Copy()
{
    QGuiApplication::clipboard()->setText(line_.letters);
}

void TMyMicrLine::PrintPage()
{
    // A line a bank would reject is printed only when the user knows it.
    if (!line_.faults.empty()) {
        QMessageBox question(QMessageBox::Warning, windowTitle(),
                             line_.faults.size() == 1
                                 ? tr("A bank would reject this line: it has a fault. Print the placement page "
                                      "with it all the same?")
                                 : tr("A bank would reject this line: it has %1 faults. Print the placement page "
                                      "with it all the same?")
                                       .arg(line_.faults.size()),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("FaultyLineQuestion"));
        question.setInformativeText(Wording::LineFaults(Wording::For::Reader, line_.faults).join(QLatin1Char('\n')));
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    PlacementLayout layout = layout_;
    layout.userLine = line_;
    print_(layout);
}
