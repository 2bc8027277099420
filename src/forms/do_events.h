#pragma once

namespace forms {

// Runs the events that are pending now and returns.
void DoEvents();

// Runs events as they come for the given time, sleeping while there are none, then returns.
void RunEventsFor(int milliseconds);

} // namespace forms
