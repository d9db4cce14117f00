// The language of the window: switched from the main menu at any time, the tables and a run
// on the surface going on as they were.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "measure/CoreText.h"
#include "measure/Language.h"
#include "ui/ChartBox.h"
#include "ui/Pictures.h"
#include "ui/Retranslate.h"
#include "ui/RunControlBinding.h"
#include "ui/StudiesBinding.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"

void TForm1::NextLanguage() {
    const auto languages = Languages();
    std::size_t next = 0;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].Id == CurrentLanguage()) next = (i + 1) % languages.size();
    }
    SetLanguage(languages[next].Id);
}

void TForm1::ShowCurrentLanguage() {
    QComboBox* choice = menu_.LanguageChoice;
    choice->setCurrentIndex(choice->findData(FromCore(CurrentLanguage().Code)));
}

bool TForm1::SetLanguage(Language language) {
    if (language == CurrentLanguage()) {
        ShowCurrentLanguage();
        return true;
    }
    const QChar before = QLatin1Char(DecimalSeparator());
    if (!SetCurrentLanguage(language)) {
        ShowCurrentLanguage();
        return false;
    }
    ShowCurrentLanguage();
    const QChar after = QLatin1Char(DecimalSeparator());

    // The numbers in the cells keep their value and take the language's separator.
    if (before != after) {
        for (const TableCells* table : {&freePathTable_.Cells, &studyTable_.Cells}) {
            for (QLineEdit* cell : table->cells) {
                QString text = cell->text();
                if (text.contains(before)) cell->setText(text.replace(before, after));
            }
        }
    }

    RetranslateTree(this);
    if (jednostki_) jednostki_->Retranslate();
    // The miniature of the initial-conditions panel carries its captions in the picture.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(kPanelPictureProperty).toBool() && !label->pixmap().isNull()) {
            label->setPixmap(InitialConditionsPicture());
        }
    }
    // Texts put together from pieces: the study's name is taken from its link, the stop note
    // carries the number of collisions, the captions their values.
    studies_->Retranslate();
    run_->Retranslate();
    core_->LanguageChanged();
    ShowScreen();
    // The picture on the surface and the charts are drawn again in the new language.
    if (core_->Redraw(surface_, CurrentSurfaceTexts())) surface_.Present();
    studies_->RepaintCharts();
    return true;
}
