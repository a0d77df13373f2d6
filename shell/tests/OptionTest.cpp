// Filled in by its window.
