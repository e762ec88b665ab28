#pragma once

#include <functional>

// Runs the thread's event loop until the predicate holds or the time is up,
// and answers whether it holds. The loop runs the whole time, as the
// application's own loop does, so a test or benchmark waits no longer than a
// user would. QTest::qWaitFor instead handles one round of posted events and
// then sleeps 10 ms; the browser engine drives its work through one posted
// event per task, so a page load waited for that way takes seconds the
// editor never spends.
bool WaitUntil(const std::function<bool()>& predicate, int iTimeoutMs);

// Runs the thread's event loop for the given time, for a test that lets time
// pass (a timer it expects not to fire, a clock that must move on) while the
// application keeps working as it would between a user's actions.
void LetTimePass(int iMs);
