 2:11	WH	to whom did Peter write, "Dearly beloved, I beseech you as strangers and ..."?	The dearly beloved
 3: 1	WH	to whom did Peter write, "Likewise, ye wives, be in subjection to your ..."?	The wives
 3: 7	WH	to whom did Peter write, "Likewise, ye husbands, dwell with them according to ..."?	The husbands
 4:12	WH	to whom did Peter write, "Beloved, think it not strange concerning the fiery ..."?	The beloved
 5: 5	WH	to whom did Peter write, "Likewise, ye younger, submit yourselves unto the elder ..."?	The younger
 8: 8	WH	to whom did Peter write, "But, beloved, be not ignorant of this one ..."?	The beloved
 8:14	WH	to whom did Peter write, "Wherefore, beloved, seeing that ye look for such ..."?	The beloved
