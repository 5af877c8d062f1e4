// The main window as the started program shows it: controls, start values, field rules,
// switch couplings, mode switches and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "analysis/Werkbank.h"
#include "engine/KOS.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_KOS.h"
#include "support/SkriptDialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"
#include "windows/Unit2_Help.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
  return *app;
}

}  // namespace

class Fenster : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App();
    form = new TForm1();
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  // Every test starts from the start values, as after the reset button.
  void SetUp() override { form->Standard_Werte_einstellen(); }

  static std::string T(const char* feld) { return form->Text(feld); }
  // Types a text into a field and leaves it, as the user does.
  static void Eingeben(const char* feld, const std::string& text) {
    form->Feld(feld)->setText(QString::fromStdString(text));
    QByteArray handler = QByteArray(feld) + "Exit";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, handler.constData(), Qt::DirectConnection)) << feld;
  }

  static TForm1* form;
};

TForm1* Fenster::form = nullptr;

TEST_F(Fenster, Fenster_hat_Titel_Groesse_und_Seitenfenster) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quadrix V4.45"));
  EXPECT_EQ(form->width(), 1314);
  EXPECT_EQ(form->height(), 712);
  ASSERT_NE(form->Form2, nullptr);
  ASSERT_NE(form->Form4, nullptr);
  ASSERT_NE(form->Form5, nullptr);
  EXPECT_EQ(Form1, form);
}
