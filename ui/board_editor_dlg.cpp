#include "ui/board_editor_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "board/board_part.h"
#include "board/board_pins.h"

using namespace board;

namespace {
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// What the editor calls each type of part and each setting; the file
// keeps its own names.
QString KindLabel(const std::string& type) {
    if (type == "lcd") return CBoardEditorDlg::tr("LCD");
    if (type == "seven_segment") return CBoardEditorDlg::tr("7-segmentni displej");
    if (type == "keypad") return CBoardEditorDlg::tr("tastatura");
    if (type == "button") return CBoardEditorDlg::tr("taster");
    if (type == "led") return CBoardEditorDlg::tr("LED");
    if (type == "switch") return CBoardEditorDlg::tr("prekidac");
    if (type == "serial") return CBoardEditorDlg::tr("serijski terminal");
    return QString::fromStdString(type);
}

QString FieldLabel(const std::string& key) {
    static const std::pair<const char*, const char*> kLabels[] = {
        {"name", QT_TRANSLATE_NOOP("CBoardEditorDlg", "ime")},
        {"size", QT_TRANSLATE_NOOP("CBoardEditorDlg", "velicina")},
        {"data", QT_TRANSLATE_NOOP("CBoardEditorDlg", "podaci (D4-D7, ili D0-D7 za 8 bita)")},
        {"rs", QT_TRANSLATE_NOOP("CBoardEditorDlg", "RS")},
        {"e", QT_TRANSLATE_NOOP("CBoardEditorDlg", "E")},
        {"rw", QT_TRANSLATE_NOOP("CBoardEditorDlg", "R/W")},
        {"segments", QT_TRANSLATE_NOOP("CBoardEditorDlg", "segmenti a-g, tacka")},
        {"digits", QT_TRANSLATE_NOOP("CBoardEditorDlg", "cifre (zajednicki)")},
        {"common", QT_TRANSLATE_NOOP("CBoardEditorDlg", "zajednicka")},
        {"rows", QT_TRANSLATE_NOOP("CBoardEditorDlg", "redovi")},
        {"columns", QT_TRANSLATE_NOOP("CBoardEditorDlg", "kolone")},
        {"pin", QT_TRANSLATE_NOOP("CBoardEditorDlg", "pin")},
        {"pressed", QT_TRANSLATE_NOOP("CBoardEditorDlg", "nivo pritisnutog")},
        {"active", QT_TRANSLATE_NOOP("CBoardEditorDlg", "svetli na nivou")},
        {"level", QT_TRANSLATE_NOOP("CBoardEditorDlg", "pocetni nivo")},
        {"tx", QT_TRANSLATE_NOOP("CBoardEditorDlg", "TX (cip salje)")},
        {"rx", QT_TRANSLATE_NOOP("CBoardEditorDlg", "RX (cip prima)")},
        {"baud", QT_TRANSLATE_NOOP("CBoardEditorDlg", "brzina (baud)")},
        {"inverted", QT_TRANSLATE_NOOP("CBoardEditorDlg", "invertovana linija")},
    };
    for (const auto& [name, label] : kLabels) {
        if (key == name) return CBoardEditorDlg::tr(label);
    }
    return QString::fromStdString(key);
}

// withMclr: a button's pin, which may be the reset pin.
QComboBox* PinBox(const std::string& value, bool withMclr = false) {
    auto* box = new QComboBox;
    box->addItem(QStringLiteral("-"), QString());
    for (int pin = 0; pin < kPinCount; ++pin) {
        const QString name = QString::fromLatin1(PinName(pin));
        box->addItem(name, name);
    }
    if (withMclr) box->addItem(QString::fromLatin1(PinName(kMclrPin)), PinName(kMclrPin));
    const int chosen =
        box->findData(QString::fromStdString(value), Qt::UserRole, Qt::MatchFixedString);
    box->setCurrentIndex(std::max(chosen, 0));
    return box;
}
}  // namespace

CBoardEditorDlg::CBoardEditorDlg(const QString& path, QWidget* parent)
    : QDialog(parent),
      m_path(path),
      m_pParts(new QListWidget),
      m_pNewType(new QComboBox),
      m_pFields(nullptr),
      m_pFieldBox(new QWidget),
      m_pProblem(new QLabel) {
    setObjectName(QStringLiteral("boardEditor"));
    setWindowTitle(tr("Uredi plocu - %1").arg(path.section(QLatin1Char('/'), -1)));
    m_pProblem->setWordWrap(true);
    m_pProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    std::string error;
    if (!m_draft.Load(LocalPath(path), &error)) {
        m_pProblem->setText(tr("Fajl ploce se ne cita, pocinje se od prazne ploce: ") +
                            QString::fromStdString(error));
    }

    for (const SPartKindInfo& kind : PartKinds())
        m_pNewType->addItem(KindLabel(kind.type), QString::fromLatin1(kind.type));
    auto* add = new QPushButton(tr("Dodaj"));
    auto* remove = new QPushButton(tr("Ukloni"));
    connect(add, &QPushButton::clicked, this,
            [this] { AddPart(m_pNewType->currentData().toString()); });
    connect(remove, &QPushButton::clicked, this, &CBoardEditorDlg::RemovePart);
    auto* adding = new QHBoxLayout;
    adding->addWidget(m_pNewType, 1);
    adding->addWidget(add);
    adding->addWidget(remove);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Delovi ploce:")));
    left->addWidget(m_pParts, 1);
    left->addLayout(adding);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(m_pFieldBox, 2);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("Sacuvaj"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Otkazi"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBoardEditorDlg::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_pProblem);
    layout->addWidget(buttons);
    connect(m_pParts, &QListWidget::currentRowChanged, this, &CBoardEditorDlg::ShowFields);
    ShowParts(0);
    resize(640, 360);
}

QString CBoardEditorDlg::PartTitle(size_t part) const {
    const std::string type = m_draft.Type(part);
    const std::vector<std::string> name = m_draft.Get(part, "name");
    QString title = KindLabel(type);
    if (!name.empty()) title += QStringLiteral(" ") + QString::fromStdString(name.front());
    return title;
}

void CBoardEditorDlg::ShowParts(int chosen) {
    const QSignalBlocker quiet(m_pParts);
    m_pParts->clear();
    for (size_t part = 0; part < m_draft.Count(); ++part) m_pParts->addItem(PartTitle(part));
    m_pParts->setCurrentRow(std::min(chosen, m_pParts->count() - 1));
    ShowFields();
}

QWidget* CBoardEditorDlg::Field(const QString& key) const {
    return m_pFieldBox->findChild<QWidget*>(key);
}

void CBoardEditorDlg::ShowFields() {
    // Made anew for each part: its fields are its own.
    const QObjectList children = m_pFieldBox->children();
    for (QObject* child : children) {
        if (child->isWidgetType()) delete child;
    }
    delete m_pFieldBox->layout();
    m_pFields = new QFormLayout(m_pFieldBox);
    const int row = m_pParts->currentRow();
    if (row < 0) return;
    const auto part = static_cast<size_t>(row);
    const SPartKindInfo* kind = PartKind(m_draft.Type(part));
    if (kind == nullptr) return;
    for (const SFieldInfo& field : kind->fields) {
        const std::string key = field.key;
        const std::vector<std::string> values = m_draft.Get(part, key);
        const QString label = FieldLabel(key);
        QWidget* widget = nullptr;
        switch (field.kind) {
            case SFieldInfo::EKind::Text: {
                auto* line = new QLineEdit(values.empty() ? QString()
                                                          : QString::fromStdString(values.front()));
                connect(line, &QLineEdit::textEdited, this, [this, part, key](const QString& text) {
                    m_draft.Set(part, key, {text.trimmed().toStdString()}, false);
                    m_pParts->item(static_cast<int>(part))->setText(PartTitle(part));
                });
                widget = line;
                break;
            }
            case SFieldInfo::EKind::Pin: {
                QComboBox* box = PinBox(values.empty() ? std::string() : values.front(),
                                        m_draft.Type(part) == "button");
                connect(box, &QComboBox::currentIndexChanged, this, [this, part, key, box] {
                    m_draft.Set(part, key, {box->currentData().toString().toStdString()}, false);
                });
                widget = box;
                break;
            }
            case SFieldInfo::EKind::Pins: {
                auto* pins = new QWidget;
                auto* line = new QHBoxLayout(pins);
                line->setContentsMargins(0, 0, 0, 0);
                std::vector<QComboBox*> boxes;
                for (int slot = 0; slot < field.count; ++slot) {
                    boxes.push_back(PinBox(static_cast<size_t>(slot) < values.size()
                                               ? values[static_cast<size_t>(slot)]
                                               : std::string()));
                    boxes.back()->setObjectName(QString::fromStdString(key) +
                                                QString::number(slot));
                    line->addWidget(boxes.back());
                }
                for (QComboBox* box : boxes) {
                    connect(box, &QComboBox::currentIndexChanged, this, [this, part, key, boxes] {
                        // The slots up to the last one chosen; "-" between
                        // them is left for the reader to name.
                        std::vector<std::string> chosen;
                        for (QComboBox* each : boxes)
                            chosen.push_back(each->currentData().toString().toStdString());
                        while (!chosen.empty() && chosen.back().empty()) chosen.pop_back();
                        for (std::string& pin : chosen) {
                            if (pin.empty()) pin.assign(1, '-');
                        }
                        m_draft.Set(part, key, chosen, true);
                    });
                }
                widget = pins;
                break;
            }
            case SFieldInfo::EKind::Choice: {
                auto* box = new QComboBox;
                if (field.optional) box->addItem(QStringLiteral("-"), QString());
                for (const char* choice : field.choices)
                    box->addItem(QString::fromLatin1(choice), QString::fromLatin1(choice));
                const int at =
                    values.empty() ? 0 : box->findData(QString::fromStdString(values.front()));
                if (at < 0) {
                    // A value of the file's own stays as it was written.
                    box->addItem(QString::fromStdString(values.front()),
                                 QString::fromStdString(values.front()));
                    box->setCurrentIndex(box->count() - 1);
                } else {
                    box->setCurrentIndex(at);
                }
                connect(box, &QComboBox::currentIndexChanged, this, [this, part, key, box] {
                    m_draft.Set(part, key, {box->currentData().toString().toStdString()}, false);
                });
                widget = box;
                break;
            }
        }
        widget->setObjectName(QString::fromStdString(key));
        m_pFields->addRow(label + QStringLiteral(":"), widget);
    }
}

void CBoardEditorDlg::AddPart(const QString& type) {
    m_draft.Add(type.toStdString());
    ShowParts(static_cast<int>(m_draft.Count()) - 1);
}

void CBoardEditorDlg::RemovePart() {
    const int row = m_pParts->currentRow();
    if (row < 0) return;
    m_draft.Remove(static_cast<size_t>(row));
    ShowParts(row);
}

void CBoardEditorDlg::Save() {
    std::string error;
    if (!m_draft.Check(LocalPath(m_path), &error)) {
        m_pProblem->setText(tr("Ploca nije sacuvana: ") + QString::fromStdString(error));
        return;
    }
    const std::string text = m_draft.Text();
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        m_pProblem->setText(m_path + tr(": upis nije uspeo"));
        return;
    }
    accept();
}
