#pragma once

#include <QWidget>
#include <functional>

#include "editor/core/editor_level.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QCheckBox;
class QSlider;

namespace zelkor::editor {

// "Level Settings": the level's name, next level, time limit, item counts and
// requirements, rates, background, music and author. Every edit goes straight into
// the fields it was given; closing the window only hides it.
class LevelSettingsWindow final : public QWidget {
    Q_OBJECT

public:
    LevelSettingsWindow(LevelFields& fields, QWidget* parent);

    // Shows the fields' values again, after a load.
    void Refresh();

    std::function<void()> onEdited;
    std::function<void(const QString& character)> onRefused;

private:
    QLineEdit* AddText(const char* name, std::string& field);
    QComboBox* AddList(const char* name, std::string& field, const auto& entries);
    QWidget* AddRate(const char* name, int& field, int low, int high, QLabel*& valueLabel,
                     QSlider*& slider);
    void Edited();

    LevelFields& fields_;
    std::vector<std::pair<QLineEdit*, std::string*>> texts_;
    std::vector<std::pair<QComboBox*, std::string*>> lists_;
    QSlider* blueRate_ = nullptr;
    QSlider* powerRate_ = nullptr;
    QLabel* blueRateValue_ = nullptr;
    QLabel* powerRateValue_ = nullptr;
    QCheckBox* hideCollected_ = nullptr;
};

}  // namespace zelkor::editor
