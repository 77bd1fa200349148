// The shared level-file, number and settings code lands here.
