const version='5.02.0025'
var other = "x";
