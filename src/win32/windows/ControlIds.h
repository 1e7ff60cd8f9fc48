#pragma once

// Every control of the three windows is a child window with a fixed control ID, so that test
// tools, scripts and assistive technology can find it by ID (GetDlgItem, an AutomationId).
namespace win32::ids {

// TForm1, the main window.
constexpr int Label1 = 1001;
constexpr int Label2 = 1002;
constexpr int SpeedButton1 = 1003; // Apply Changes
constexpr int GroupBox1 = 1011;
constexpr int GroupBox3 = 1013;
constexpr int GroupBox4 = 1014;
constexpr int GroupBox5 = 1015;
constexpr int Edit1 = 1101; // Edit1..Edit10: 1101..1110
constexpr int ListBox1 = 1201;
constexpr int SpeedBar1 = 1300;
constexpr int SpeedItem1 = 1301; // SpeedItemN: 1300 + N
constexpr int FontComboBox1 = 1401;
constexpr int ColorComboBox1 = 1402;

constexpr int edit(int field) { // field 0..9
    return Edit1 + field;
}
constexpr int speedItem(int n) { // n 1..6
    return SpeedBar1 + n;
}

// TForm2, the About window.
constexpr int About_Label1 = 2001; // LabelN: 2000 + N
constexpr int About_URLLabel1 = 2011;
constexpr int About_URLLabel2 = 2012;
constexpr int About_Image1 = 2020;
constexpr int About_SpeedButton1 = 2030;

constexpr int aboutLabel(int n) {
    return 2000 + n;
}

// TForm3, the Tip of the Day window.
constexpr int Tip_Panel1 = 3001;
constexpr int Tip_Image1 = 3002;
constexpr int Tip_Label1 = 3003;
constexpr int Tip_Tips = 3004;
constexpr int Tip_SpeedButton2 = 3005;
constexpr int Tip_SpeedButton1 = 3006;
constexpr int Tip_TipCheckBox = 3007;

} // namespace win32::ids
