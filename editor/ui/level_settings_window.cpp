#include "editor/ui/level_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>
#include <array>
#include <string_view>
#include <tuple>

#include "editor/ui/level_text.h"
#include "editor/ui/text_binding.h"

namespace zelkor::editor {

LevelSettingsWindow::LevelSettingsWindow(LevelFields& fields, QWidget* parent)
    : QWidget(parent, Qt::Tool), fields_(fields) {
    setObjectName("Dialog");
    setWindowTitle("Level Settings");

    auto* level = new QFormLayout;
    level->addRow("Level name:", AddText("lvlName", fields_.lvlName));
    level->addRow("Next level:", AddText("lvlNext", fields_.lvlNext));
    level->addRow("Background pic:", AddList("bkgPic", fields_.bkgPic, kBackgroundPictures));
    level->addRow("Background Music:", AddList("bkgMusic", fields_.bkgMusic, kBackgroundMusic));
    level->addRow("Time Limit:", AddText("timeLimit", fields_.timeLimit));
    level->addRow("Author:", AddText("Author", fields_.Author));

    auto* items = new QGroupBox("Items:");
    auto* itemGrid = new QGridLayout(items);
    auto row = [&](int r, const char* caption, QWidget* field) {
        itemGrid->addWidget(new QLabel(caption), r, 0);
        itemGrid->addWidget(field, r, 1);
    };
    row(0, "Yellow:", AddText("numYellow", fields_.numYellow));
    row(1, "Red:", AddText("numRed", fields_.numRed));
    row(2, "Blue:", AddText("numBlue", fields_.numBlue));
    itemGrid->addWidget(new QLabel("Rate:"), 2, 2);
    itemGrid->addWidget(AddRate("blueRate", fields_.blueRate, kBlueRateMin, kBlueRateMax,
                                blueRateValue_, blueRate_),
                        2, 3);
    row(3, "Black:", AddText("numBlack", fields_.numBlack));
    row(4, "TNT:", AddText("numTNT", fields_.numTNT));
    row(5, "Atomic Power:", AddText("numPower", fields_.numPower));
    itemGrid->addWidget(new QLabel("Rate:"), 5, 2);
    itemGrid->addWidget(AddRate("powerRate", fields_.powerRate, kPowerRateMin, kPowerRateMax,
                                powerRateValue_, powerRate_),
                        5, 3);
    itemGrid->setColumnStretch(3, 1);

    auto* requirements = new QGroupBox("Requirements:");
    auto* required = new QGridLayout(requirements);
    const std::array<std::tuple<const char*, const char*, std::string*>, 5> requiredFields{{
        {"Yellow:", "reqYellow", &fields_.reqYellow},
        {"Red:", "reqRed", &fields_.reqRed},
        {"Blue:", "reqBlue", &fields_.reqBlue},
        {"Black:", "reqBlack", &fields_.reqBlack},
        {"Score:", "reqScore", &fields_.reqScore},
    }};
    for (int r = 0; r < static_cast<int>(requiredFields.size()); ++r) {
        const auto& [caption, name, field] = requiredFields[static_cast<std::size_t>(r)];
        required->addWidget(new QLabel(caption), r, 0);
        required->addWidget(AddText(name, *field), r, 1);
    }
    required->setColumnStretch(2, 1);
    // Both frames line their fields up in the same column.
    required->setColumnMinimumWidth(0,
                                    itemGrid->itemAtPosition(5, 0)->widget()->sizeHint().width());

    hideCollected_ = new QCheckBox("Hide Collected Bananas");
    hideCollected_->setObjectName("chkHideCollected");
    connect(hideCollected_, &QCheckBox::toggled, this, [this](bool on) {
        if (fields_.hideCollected == on) return;
        fields_.hideCollected = on;
        Edited();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(level);
    layout->addWidget(items);
    layout->addWidget(requirements);
    layout->addWidget(hideCollected_);
    layout->addStretch();
    Refresh();
}

QLineEdit* LevelSettingsWindow::AddText(const char* name, std::string& field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    // Counts, requirements and the time limit are short numbers.
    const std::string_view n(name);
    if (n.starts_with("num") || n.starts_with("req") || n == "timeLimit")
        edit->setMaximumWidth(110);
    BindLevelText(
        edit, field, [this] { Edited(); },
        [this](const QString& c) {
            if (onRefused) onRefused(c);
        });
    texts_.emplace_back(edit, &field);
    return edit;
}

QComboBox* LevelSettingsWindow::AddList(const char* name, std::string& field, const auto& entries) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view entry : entries)
        list->addItem(FromLevelText(entry));
    BindLevelText(
        list->lineEdit(), field, [this] { Edited(); },
        [this](const QString& c) {
            if (onRefused) onRefused(c);
        });
    connect(list, &QComboBox::textActivated, this, [this, &field](const QString& text) {
        field = ToLevelText(text);
        Edited();
    });
    lists_.emplace_back(list, &field);
    return list;
}

// A slider with its value above it, "often" over the low end and "rarely" over the high.
QWidget* LevelSettingsWindow::AddRate(const char* name, int& field, int low, int high,
                                      QLabel*& valueLabel, QSlider*& slider) {
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(0);
    valueLabel = new QLabel;
    valueLabel->setObjectName(QString(name) + "Value");
    valueLabel->setAlignment(Qt::AlignCenter);
    auto* often = new QLabel("often");
    auto* rarely = new QLabel("rarely");
    rarely->setAlignment(Qt::AlignRight);
    slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(low, high);
    slider->setMinimumWidth(180);
    layout->addWidget(often, 0, 0);
    layout->addWidget(valueLabel, 0, 1);
    layout->addWidget(rarely, 0, 2);
    layout->addWidget(slider, 1, 0, 1, 3);
    QLabel* value = valueLabel;
    connect(slider, &QSlider::valueChanged, this, [this, value, &field](int v) {
        value->setText(QString::number(v));
        if (field == v) return;
        field = v;
        Edited();
    });
    return box;
}

void LevelSettingsWindow::Refresh() {
    for (auto& [edit, field] : texts_)
        edit->setText(FromLevelText(*field));
    for (auto& [list, field] : lists_)
        list->setEditText(FromLevelText(*field));
    // The sliders' own signals update their value labels.
    blueRate_->setValue(fields_.blueRate);
    powerRate_->setValue(fields_.powerRate);
    blueRateValue_->setText(QString::number(blueRate_->value()));
    powerRateValue_->setText(QString::number(powerRate_->value()));
    hideCollected_->setChecked(fields_.hideCollected);
}

void LevelSettingsWindow::Edited() {
    if (onEdited) onEdited();
}

}  // namespace zelkor::editor
