// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tools/korvath-sim/simoptions.h"

// The master server's side of the list exchange.
//   request (client):  02 06 05 00 00 00 00 00 0A 00 00
//   page (master):     02 06 TYPE 00 ECHOBYTE ECHO[3] 00 00 COUNT 00 00 00 00, then COUNT
//                      records of 4 address bytes and a big-endian port; TYPE 0 while more
//                      pages follow, 7 on the last page
//   ack (client):      02 06 01 00 ECHOBYTE ECHO-as-text 0A 00 00, where the echo text is the
//                      page's three echo bytes up to the first zero byte, zero-filled

// The list request, exactly as a client sends it.
const std::string& ListRequest();

// Pages of one download: one per perPage servers, rounded up, plus the last page.
int ListPageCount(int servers, int perPage);

// Page pageIndex of the list of the given game server ports (all on 127.0.0.1), perPage records
// a page. The last page carries lastPageRecords records too, taken from the start of the list,
// which clients must not record. Echo byte and echo text change from page to page; some echo
// texts hold a zero byte before other bytes, which a client must not copy into its
// acknowledgement. masterEndless: no page is the last, every page holds perPage records going
// round the list (none for an empty fleet). masterOvercount: the record count byte says 255.
std::string BuildListPage(const std::vector<int>& ports, const SimOptions& options, int pageIndex);

// The only acknowledgement accepted for page pageIndex.
std::string ExpectedAck(int pageIndex);
