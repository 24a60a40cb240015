// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Handles the calling thread's pending window events while a long operation waits.
//
// With bWaitForEvents the call first sleeps until at least one event arrives (a posted event or a
// dispatcher wake-up), so a waiting loop costs no processor time. Either way it returns once no
// event is left. The result is true, or false when the application is on its way out.
//
// A quit request met here is not lost: it ends the outermost event loop once the caller has
// returned to it, as the main loop's own quit would.
bool PumpPendingMessages(bool bWaitForEvents = false);
