 2:18	WH	to whom did Peter write, "Servants, be subject to your masters with all ..."?	The servants
 3: 7	WH	to whom did Peter write, "Likewise, ye husbands, dwell with them according to ..."?	The husbands
 6:10	WH	to whom did Peter write, "Wherefore the rather, brethren ..."?	The brethren
 7:15	WH	whose son was Balaam?	Bosor
 8: 1	WH	to whom did Peter write, "This second epistle, beloved ..."?	The beloved
 8: 8	WH	to whom did Peter write, "But, beloved, be not ignorant of this one ..."?	The beloved
 8:17	WH	to whom did Peter write, "Ye therefore, beloved, seeing ye know these things ..."?	The beloved
