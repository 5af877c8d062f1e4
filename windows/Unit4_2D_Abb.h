#pragma once
// The side window of plane mappings and triangle lines. It maps the table points of the main
// window and constructs triangles from them; everything it draws goes into the main window's
// picture and table.

#include "windows/Fensterbasis.h"
#include "workbench/Anzeige.h"

class TForm4 : public TFensterbasis {
  Q_OBJECT
 public:
  // The controls show the mapping settings as the sheet holds them.
  void Zustand_zeigen();
  // Checks the option of a group without running its rule.
  void Option_zeigen(const char* gruppe, int eintrag);
  explicit TForm4(QWidget* eltern = nullptr);

 public slots:
  // ---- mappings: parameter fields ---------------------------------------------------------------
  void Edit_SpiegT_xExit();
  void Edit_SpiegT_yExit();
  void Edit_SpiegQ_xExit();
  void Edit_SpiegQ_yExit();
  void Edit_Drehzentrum_xExit();
  void Edit_Drehzentrum_yExit();
  void Edit_Drehwinkel_alfaExit();
  void Edit_VStart_xExit();
  void Edit_VStart_yExit();
  void Edit_VEnde_xExit();
  void Edit_VEnde_yExit();
  void Edit_Streckzentrum_xExit();
  void Edit_Streckzentrum_yExit();
  void Edit_StreckfaktorExit();
  void Edit_ScherfaktorExit();
  void Edit_M11Exit();
  void Edit_M12Exit();
  void Edit_M21Exit();
  void Edit_M22Exit();

  // ---- mappings: choices and the run ------------------------------------------------------------
  void RadioGroup_AbbildungChange(int eintrag);
  void RadioGroup_ScherachseChange(int eintrag);
  void CheckBox_HilfslinienClick();
  void CheckBox_AbbildungsparameterClick();
  void Panel_BildFarbeClick();
  void BitBtn_abbildenClick();
  void BitBtn_abbrechenClick();

  // ---- triangle lines ---------------------------------------------------------------------------
  void CheckBox_SchwerpunktClick();
  void CheckBox_UmkreismittelpunktClick();
  void CheckBox_InkreismittelpunktClick();
  void CheckBox_HoehenschnittpunktClick();
  void CheckBox_SeitenmittelpunkteClick();
  void CheckBox_InkreislotpunkteClick();
  void CheckBox_HoehenfusspunkteClick();
  void CheckBox_SeitenhalbierendenClick();
  void CheckBox_MittelsenkrechtenClick();
  void CheckBox_WinkelhalbierendenClick();
  void CheckBox_HoehenClick();
  void CheckBox_MittelparallelenClick();
  void CheckBox_UmkreisClick();
  void CheckBox_InkreisClick();
  void CheckBox_UmkreisradiusClick();
  void CheckBox_InkreisradiusClick();
  void CheckBox_Eckpunkte_beschriftenClick();
  void CheckBox_EulergeradeClick();
  void CheckBox_alles_auswaehlenClick();
  void BitBtn_DreieckslinienClick();

 protected:
  void Feldtext_geaendert(const QString& name, const QString& text) override;

 private:
  void Optionsgruppen_aufbauen();
  void Hinweis_gestalten();
  // The window closes, then the action works on the main window.
  void Schliessen_und(void (*aktion)(Anzeige&));
  Anzeige& Hauptfenster();
  void Dreieckschalter(const char* name);
};

// The control table of the window.
std::span<const TSteuerelement> Steuerelement_Tabelle_Form4();
