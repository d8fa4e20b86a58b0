// Keeps the window library non-empty while it has no windows of its own yet.
