#pragma once
// Binds the engine's host hooks to the running application.

// Sets the engine's "process pending messages" hook to the Qt event loop.
void BindEngineHost();
