// SaveDev, the one routine that writes a list of records to a record file.
// With the tag "dev" it commits the record list: the list enters the undo
// history, is numbered 1 to n, written and becomes the new `dev`. With any
// other tag it only numbers and writes the list. Either way it prints the
// save report (file name, milliseconds taken, record count).
//
// A file that cannot be written ends the program with status 1 after
// "写入文件打开失败！"; the file then keeps what the last save wrote.
#ifndef DEVMGR_STORE_SAVE_H_
#define DEVMGR_STORE_SAVE_H_

#include <string>
#include <string_view>

#include "record/device.h"

struct Session;

void SaveDev(Session& s, const std::string& file_name, RecordList list,
             std::string_view tag);

// The commit that ends every change of the list: the whole of `dev` saved
// to "dev.out" with the tag "dev".
void CommitDev(Session& s);

#endif  // DEVMGR_STORE_SAVE_H_
