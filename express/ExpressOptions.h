#pragma once

// The six Outlook Express and address-book options.
namespace brevolt::express {

// Five machine-wide values under HKEY_LOCAL_MACHINE\Software\Microsoft\Outlook Express (32-bit
// view) and "UseOutlook" under HKEY_CURRENT_USER\Software\Microsoft\WAB\WAB4. A read creates the
// key when it is missing and gives the item's tick; any failure reads as unticked. A write stores
// the value for the tick and gives whether it did; it never raises.

bool ReadBlockExeAttachments();
bool ReadNoModifyAccts();
bool ReadHttpMailEnabled();
bool ReadDisableHotmail();
bool ReadHideMessenger();
bool ReadUseOutlookContacts();

bool WriteBlockExeAttachments(bool ticked);
bool WriteNoModifyAccts(bool ticked);
bool WriteHttpMailEnabled(bool ticked);
bool WriteDisableHotmail(bool ticked);
bool WriteHideMessenger(bool ticked);
bool WriteUseOutlookContacts(bool ticked);

}  // namespace brevolt::express
