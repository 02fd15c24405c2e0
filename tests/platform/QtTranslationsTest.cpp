#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "TestApplication.h"
#include "QtTranslations.h"

// Qt's own buttons speak Japanese once the translations are loaded.
TEST(QtTranslationsTest, StandardButtonsSpeakJapanese)
{
    QApplication& app = TestApplication();
    QTranslator* translator = LoadQtTranslations(app);
    ASSERT_NE(translator, nullptr) << "Qt's Japanese translations are not installed";
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
