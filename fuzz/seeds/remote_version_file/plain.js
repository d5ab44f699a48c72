// Glyphora release information
var version = "0.2.0";
