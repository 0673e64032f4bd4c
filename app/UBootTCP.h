// Update window and the hand-off to the outside updater: TFBootTCP.
#pragma once

#include "UStartProgram.h"

#include "windows/Forms.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

class TCheckBox;
class TEdit;
class TIdIcmpClient;
class TLabel;
class TLbButton;
class TPanel;
class TXMLDocument;
struct TReplyStatus;

// The four parts of a device address, as typed.
using TIP_Octets = std::array<QString, 4>;

// How long a connection check may go on, in milliseconds.
inline constexpr uint32_t Ping_Time_Limit = 10001;

// Page 1 takes the device address and checks that it answers ICMP echo; page 2 chooses what to
// load, writes the update job Ethernet_Update.xml and runs the outside updater until it ends.
class TFBootTCP : public TForm {
public:
    explicit TFBootTCP(TComponent* AOwner);

    // Controls and components, owned by the form.
    TLabel* L_IP_Address;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* L_Ping;
    TLabel* LPing;
    TIdIcmpClient* Ping;
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Update;
    TLbButton* Btn_Next;
    TLabel* L_Options;
    TCheckBox* CB_Firmware;
    TCheckBox* CB_Read_Firm;
    TCheckBox* CB_Conf;
    TCheckBox* CB_Read_Conf;
    TLbButton* Btn_Ping;
    TXMLDocument* XML1;

    // The waits, in milliseconds: a connection check, and the updater's run.
    uint32_t Ping_Limit = Ping_Time_Limit;
    uint32_t Updater_Limit = Start_Program_Limit;

    void FormCreate(TObject* Sender);
    // Page 1, filled with Last_IP_Address when it is a valid address.
    void FormShow(TObject* Sender);
    // Ping: checks that the typed address answers.
    void LbButton1Click(TObject* Sender);
    // Next: on to page 2 once a check has succeeded.
    void LbButton2Click(TObject* Sender);
    // Update: writes the job and runs the updater.
    void LbButton4Click(TObject* Sender);
    void E_IP1KeyPress(TObject* Sender, QChar& Key);
    void E_IP2KeyPress(TObject* Sender, QChar& Key);
    void E_IP3KeyPress(TObject* Sender, QChar& Key);
    void PingReply(TComponent* ASender, const TReplyStatus& AReplyStatus);

    // Splits IP at its first three full stops into four trimmed octet texts; true when each reads as
    // an integer from 0 to 255.
    static bool Valid_IP(const QString& IP, TIP_Octets& Octets);
    // Writes the update job: Ethernet_Update.xml in the data folder (the program's folder when it
    // can be written). Raises EFCreateError when it cannot be saved.
    void Compile_XML_Parameter();
    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();

    // Where Compile_XML_Parameter writes the job.
    static QString Job_File_Name();

private:
    // The four octet edits joined with ".".
    QString Typed_Address() const;
    // Sends echo requests to Host until two are answered or Ping_Limit has passed; true when the
    // last one was answered. Raises when the request cannot be sent.
    bool Device_Answers(const QString& Host);
    void Show_Ping_Result(int32_t Text, TColor Color);
    // A changed address has not been checked.
    void Address_Changed(TObject* Sender);

    // The result of the last echo request: 0 none yet, 1 answered, 2 not answered.
    int32_t ping_ = 0;
    // The device answered the last check of the address now typed.
    bool Esegui_Ping = false;
};

extern TFBootTCP* FBootTCP;
